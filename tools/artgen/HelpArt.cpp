#include "tools/artgen/HelpArt.h"

#include "tools/artgen/Canvas.h"
#include "tools/artgen/Colour.h"

#include <cmath>

void DrawHelpBackground(Canvas& canvas, int variant)
{
    const float phase = 0.7f * static_cast<float>(variant);
    canvas.FillAll([phase](Vec2 p) {
        const float t = p.y / 600.0f;
        const float ripple = std::sin(p.x * 0.021f + phase) * std::sin(p.y * 0.017f + 2.0f * phase);
        const Colour deep = Rgb(0x183050);
        const Colour sand = Rgb(0x6A5A3A);
        Colour c = Mix(deep, sand, t * t);
        return Shade(c, 0.85f + 0.12f * ripple);
    });
}
