#include "tools/artgen/PageArt.h"

#include "tools/artgen/Ornaments.h"
#include "tools/artgen/Palette.h"
#include "tools/artgen/ValueNoise.h"

#include <cmath>

namespace {

constexpr float kPi = 3.14159265f;
constexpr float kTile = 40.0f;

// Deep lapis with a cloud that repeats every tile.
Paint TabletStone(std::uint32_t seed)
{
    const ValueNoise noise(seed, 4);
    return [noise](Vec2 p) {
        const float n = noise.Fractal(p.x / (kTile / 4.0f), p.y / (kTile / 4.0f), 2);
        return Shade(Rgb(0x1C2E5C), 0.85f + 0.3f * n);
    };
}

} // namespace

void DrawMessageTiles(Canvas& canvas)
{
    const float size = static_cast<float>(canvas.Width());
    const Box outer{3.0f, 3.0f, size - 3.0f, size - 3.0f};
    const ShapePtr body = RoundedRect(outer, 12.0f);
    canvas.Fill(*body, TabletStone(1301));
    // The rim runs straight through the edge tiles, so they repeat.
    const ShapePtr rim = Subtract(body, RoundedRect(outer.Grown(-8.0f), 6.0f));
    canvas.Fill(*rim, Solid(palette::kBronze));
    canvas.Bevel(*rim, 4.0f, 0.8f);
    canvas.Stroke(*RoundedRect(outer.Grown(-11.0f), 4.0f), 1.0f, Solid(WithAlpha(palette::kGoldLight, 0.7f)));
    for (float x : {outer.left + 4.0f, outer.right - 4.0f})
        for (float y : {outer.top + 4.0f, outer.bottom - 4.0f})
            DrawRosette(canvas, {x, y}, 5.0f, palette::kGold);
}

void DrawMessageShadowTiles(Canvas& canvas)
{
    const float size = static_cast<float>(canvas.Width());
    canvas.Shadow(*RoundedRect({8.0f, 8.0f, size - 8.0f, size - 8.0f}, 12.0f), {0.0f, 0.0f}, 6.0f, Rgb(0x000000, 1.0f));
}

void DrawPageTablet(Canvas& canvas, bool withBands)
{
    const float w = static_cast<float>(canvas.Width()), h = static_cast<float>(canvas.Height());
    const Box outer{4.0f, 4.0f, w - 4.0f, h - 4.0f};
    const ShapePtr body = RoundedRect(outer, 16.0f);
    canvas.Shadow(*body, {0.0f, 0.0f}, 4.0f, Rgb(0x000000, 0.6f));
    canvas.Fill(*body, Marble(Rgb(0x18264E), Rgb(0x42609A), 1311, 140.0f));
    canvas.Fill(*body, RadialGradient({w * 0.5f, h * 0.35f}, w * 0.7f, {{0.0f, Rgb(0xFFE8B0, 0.12f)}, {1.0f, Rgb(0xFFE8B0, 0.0f)}}));
    DrawBronzeFrame(canvas, outer, 14.0f, 16.0f, palette::kGold);
    if (withBands) {
        DrawMeanderBand(canvas, {outer.left + 40.0f, outer.top + 60.0f, outer.right - 40.0f, outer.top + 72.0f},
                        WithAlpha(palette::kGold, 0.85f), Rgb(0x000000, 0.0f));
        DrawMeanderBand(canvas, {outer.left + 40.0f, outer.top + 258.0f, outer.right - 40.0f, outer.top + 270.0f},
                        WithAlpha(palette::kGold, 0.85f), Rgb(0x000000, 0.0f));
    }
    for (float x : {outer.left + 7.0f, outer.right - 7.0f})
        for (float y : {outer.top + 7.0f, outer.bottom - 7.0f})
            DrawRosette(canvas, {x, y}, 9.0f, palette::kGoldLight);
    if (withBands) {
        DrawLaurel(canvas, {w * 0.5f, h - 10.0f}, 60.0f, kPi * 1.1f, kPi * 1.45f, 16.0f, palette::kGold);
        DrawLaurel(canvas, {w * 0.5f, h - 10.0f}, 60.0f, kPi * 1.55f, kPi * 1.9f, 16.0f, palette::kGold);
    }
}
