#include "tools/artgen/BoardArt.h"

#include "tools/artgen/Ornaments.h"
#include "tools/artgen/Palette.h"

#include <cmath>

namespace {

constexpr float kPi = 3.14159265f;

struct Gem {
    Colour colour;
    ShapePtr (*shape)(Vec2 centre, float radius);
};

ShapePtr Disc(Vec2 c, float r) { return Circle(c, r * 0.92f); }
ShapePtr Square(Vec2 c, float r) { return RoundedRect({c.x - r * 0.8f, c.y - r * 0.8f, c.x + r * 0.8f, c.y + r * 0.8f}, r * 0.18f); }
ShapePtr Triangle(Vec2 c, float r) { return Inflate(Star({c.x, c.y + r * 0.12f}, 3, r * 0.98f, r * 0.49f), -0.0f + r * 0.06f); }
ShapePtr Hexagon(Vec2 c, float r) { return Star(c, 3, r * 0.95f, r * 0.95f, kPi / 6.0f); }
ShapePtr Rhombus(Vec2 c, float r) { return Inflate(Polygon({{c.x, c.y - r}, {c.x + r * 0.72f, c.y}, {c.x, c.y + r}, {c.x - r * 0.72f, c.y}}), 1.0f); }
ShapePtr Drop(Vec2 c, float r)
{
    const Vec2 body{c.x, c.y + r * 0.25f};
    return Unite(Circle(body, r * 0.68f), Polygon({{c.x, c.y - r}, {c.x + r * 0.6f, body.y - r * 0.3f}, {c.x - r * 0.6f, body.y - r * 0.3f}}));
}
ShapePtr PearlStar(Vec2 c, float r) { return Inflate(Star({c.x, c.y + r * 0.06f}, 5, r * 0.9f, r * 0.42f), r * 0.06f); }
ShapePtr Scarab(Vec2 c, float r) { return Ellipse(c, r * 0.7f, r * 0.92f); }

void DrawGem(Canvas& canvas, Vec2 centre, float radius, const Gem& gem)
{
    const ShapePtr body = gem.shape(centre, radius);
    const Colour c = gem.colour;
    canvas.Shadow(*body, {2.0f, 3.0f}, 2.5f, Rgb(0x000000, 0.55f));
    canvas.Fill(*body, RadialGradient(centre - Vec2{radius, radius} * 0.35f, radius * 1.7f,
                                      {{0.0f, Shade(c, 1.6f)}, {0.45f, c}, {1.0f, Shade(c, 0.35f)}}));
    // The table facet: the shape shrunk, lit from the upper left.
    const ShapePtr table = Inflate(body, -radius * 0.3f);
    canvas.Fill(*table, LinearGradient(centre - Vec2{radius, radius} * 0.5f, Shade(c, 1.45f), centre + Vec2{radius, radius} * 0.5f, Shade(c, 0.8f)));
    canvas.Stroke(*table, 1.0f, Solid(WithAlpha(Shade(c, 1.8f), 0.5f)));
    canvas.Bevel(*body, radius * 0.3f, 0.75f);
    canvas.Stroke(*body, 1.5f, Solid(WithAlpha(Shade(c, 0.25f), 0.9f)));
    // Highlight.
    canvas.Fill(*Ellipse(centre - Vec2{radius * 0.3f, radius * 0.38f}, radius * 0.26f, radius * 0.12f, -0.6f),
                Solid(Rgb(0xFFFFFF, 0.75f)));
    canvas.Fill(*Circle(centre + Vec2{radius * 0.3f, radius * 0.32f}, radius * 0.06f), Solid(Rgb(0xFFFFFF, 0.5f)));
}

} // namespace

void DrawChipStrip(Canvas& canvas)
{
    static const Gem kGems[] = {
        {Rgb(0xD0202C), Disc},      {Rgb(0x2A58C8), Square}, {Rgb(0x20A050), Triangle},  {Rgb(0xF0A020), Hexagon},
        {Rgb(0x9440C8), Rhombus},   {Rgb(0x20B8B4), Drop},   {Rgb(0xE4E2EC), PearlStar}, {Rgb(0xD86A2C), Scarab},
    };
    const float cell = static_cast<float>(canvas.Height());
    for (int i = 0; i < 8; ++i) {
        const Vec2 centre{cell * (static_cast<float>(i) + 0.5f) - 1.0f, cell * 0.5f - 1.0f};
        DrawGem(canvas, centre, cell * 0.42f, kGems[i]);
    }
    // The scarab's wing line.
    const Vec2 scarab{cell * 7.5f - 1.0f, cell * 0.5f - 1.0f};
    canvas.Fill(*Polyline({{scarab.x, scarab.y - cell * 0.12f}, {scarab.x, scarab.y + cell * 0.36f}}, 1.5f),
                Solid(Rgb(0x5A2008, 0.7f)));
    canvas.Stroke(*Arc(scarab, cell * 0.12f, 1.2f, kPi * 1.15f, kPi * 1.85f), 0.8f, Solid(Rgb(0x5A2008, 0.7f)));
}

void DrawCell(Canvas& canvas)
{
    const float s = static_cast<float>(canvas.Width());
    const Box box{1.0f, 1.0f, s - 1.0f, s - 1.0f};
    const ShapePtr tile = RoundedRect(box, 6.0f);
    const Paint stone = Sandstone(Rgb(0x3A2A1C), 1001, 20.0f);
    canvas.Fill(*tile, [&](Vec2 p) { return WithAlpha(stone(p), 0.55f); });
    canvas.Bevel(*tile, 5.0f, -0.7f);
    canvas.Stroke(*tile, 1.0f, Solid(Rgb(0xE0C080, 0.45f)));
}

void DrawBoardFrame(Canvas& canvas)
{
    const float s = static_cast<float>(canvas.Width());
    const float border = 32.0f;
    const Box whole{0.0f, 0.0f, s, s};
    DrawBronzeFrame(canvas, whole.Grown(-2.0f), border - 2.0f, 14.0f, palette::kBronze);
    const float bandInset = 8.0f;
    const float bandWidth = border - 2.0f * bandInset + 2.0f;
    const float a = bandInset + 2.0f, b = s - bandInset - 2.0f;
    const float lo = border + 2.0f, hi = s - border - 2.0f;
    for (const Box& band : {Box{lo, a, hi, a + bandWidth}, Box{lo, b - bandWidth, hi, b}, Box{a, lo, a + bandWidth, hi},
                            Box{b - bandWidth, lo, b, hi}}) {
        DrawMeanderBand(canvas, band, palette::kGold, palette::kTerracottaDark);
        canvas.Bevel(*RoundedRect(band, 0.0f), 2.0f, -0.6f);
    }
    for (float x : {border * 0.5f + 1.0f, s - border * 0.5f - 1.0f})
        for (float y : {border * 0.5f + 1.0f, s - border * 0.5f - 1.0f})
            DrawRosette(canvas, {x, y}, 11.0f, palette::kGold);
}

void DrawGlowParticle(Canvas& canvas)
{
    const float s = static_cast<float>(canvas.Width());
    const Vec2 c{s * 0.5f, s * 0.5f};
    canvas.FillAll([&](Vec2 p) {
        const float d = Length(p - c) / (s * 0.5f);
        return Colour{1.0f, 1.0f, 1.0f, Clamp01(1.1f * std::exp(-d * d * 4.0f) - 0.05f)};
    });
}

void DrawSpark(Canvas& canvas)
{
    const float s = static_cast<float>(canvas.Width());
    const Vec2 c{s * 0.5f, s * 0.5f};
    canvas.Glow(*Circle(c, s * 0.08f), s * 0.4f, Rgb(0xFFFFFF, 0.6f));
    canvas.Fill(*Star(c, 4, s * 0.22f, s * 0.05f, kPi / 4.0f), Solid(Rgb(0xFFFFFF, 0.6f)));
    canvas.Fill(*Star(c, 4, s * 0.48f, s * 0.06f), Solid(Rgb(0xFFFFFF)));
}
