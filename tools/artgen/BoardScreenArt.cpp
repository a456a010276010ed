#include "tools/artgen/BoardScreenArt.h"

#include "tools/artgen/Ornaments.h"
#include "tools/artgen/Palette.h"
#include "tools/artgen/ValueNoise.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kPi = 3.14159265f;
constexpr int kAtlasCell = 80;

struct ChipLook {
    std::uint32_t colour;
    int points;     // star points; 0 a circle
    float inner;    // inner radius share of a star
    float rotation; // radians
};

// Sixteen chips: each of its own shape and colour.
const ChipLook kChips[16] = {
    {0xD0202C, 0, 1.0f, 0.0f},          {0x2A58C8, 4, 1.0f, kPi / 4.0f},  {0x20A050, 3, 1.0f, kPi / 2.0f},
    {0xF0A020, 6, 1.0f, 0.0f},          {0x9440C8, 4, 1.0f, 0.0f},        {0x20B8B4, 5, 1.0f, kPi / 2.0f},
    {0xE4E2EC, 5, 0.48f, kPi / 2.0f},   {0xD86A2C, 8, 1.0f, kPi / 8.0f},  {0xE050A0, 4, 0.5f, 0.0f},
    {0x80C020, 6, 0.6f, 0.0f},          {0x4080F0, 3, 1.0f, -kPi / 2.0f}, {0xC0A070, 8, 0.7f, 0.0f},
    {0x606A80, 12, 0.82f, 0.0f},        {0xF0E040, 7, 0.55f, kPi / 2.0f}, {0x30D070, 2, 0.55f, kPi / 2.0f},
    {0xA02040, 10, 0.85f, 0.0f},
};

ShapePtr ChipShape(const ChipLook& look, Vec2 c, float r)
{
    if (look.points == 0)
        return Circle(c, r);
    if (look.points == 2)
        return Ellipse(c, r * 0.62f, r);
    return Inflate(Star(c, look.points, r * 0.94f, r * 0.94f * look.inner, look.rotation), r * 0.05f);
}

void DrawChip(Canvas& canvas, Vec2 c, float r, const ChipLook& look)
{
    const Colour colour = Rgb(look.colour);
    const ShapePtr body = ChipShape(look, c, r);
    canvas.Fill(*body, RadialGradient(c - Vec2{r, r} * 0.35f, r * 1.7f,
                                      {{0.0f, Shade(colour, 1.6f)}, {0.45f, colour}, {1.0f, Shade(colour, 0.35f)}}));
    canvas.Bevel(*body, r * 0.3f, 0.75f);
    canvas.Stroke(*body, 1.2f, Solid(WithAlpha(Shade(colour, 0.25f), 0.9f)));
    canvas.Fill(*Ellipse(c - Vec2{r * 0.3f, r * 0.38f}, r * 0.24f, r * 0.11f, -0.6f), Solid(Rgb(0xFFFFFF, 0.75f)));
}

// Copies src into dst at (left, top), squeezed across by sx and brightened
// by light.
void CopySqueezed(Canvas& dst, const Canvas& src, int left, int top, float sx, float light)
{
    const int w = src.Width();
    const float cx = static_cast<float>(w) / 2.0f;
    for (int y = 0; y < src.Height(); ++y) {
        for (int x = 0; x < w; ++x) {
            if (std::fabs(sx) < 0.02f)
                continue;
            const float fx = cx + (static_cast<float>(x) + 0.5f - cx) / sx - 0.5f;
            const int ix = static_cast<int>(std::floor(fx + 0.5f));
            if (ix < 0 || ix >= w)
                continue;
            Colour c = src.At(ix, y);
            c.r = std::min(1.0f, c.r * light);
            c.g = std::min(1.0f, c.g * light);
            c.b = std::min(1.0f, c.b * light);
            if (c.a > 0.0f)
                dst.Set(left + x, top + y, c);
        }
    }
}

void CellCentre(int cell, float& x, float& y)
{
    x = static_cast<float>((cell % 6) * kAtlasCell + kAtlasCell / 2);
    y = static_cast<float>((cell / 6) * kAtlasCell + kAtlasCell / 2);
}

void DrawBonusIcon(Canvas& canvas, int icon, Vec2 c, float r)
{
    const Colour gold = palette::kGold;
    canvas.Fill(*Circle(c, r), RadialGradient(c - Vec2{r, r} * 0.3f, r * 1.6f,
                                              {{0.0f, Rgb(0xFFF8E0)}, {0.5f, gold}, {1.0f, palette::kGoldDark}}));
    canvas.Stroke(*Circle(c, r), 2.0f, Solid(palette::kBronzeDark));
    const Colour ink = Rgb(0x3A2410);
    switch (icon) {
    case 0: // flash: a bolt
        canvas.Fill(*Polygon({{c.x + 4, c.y - r * 0.7f}, {c.x - r * 0.4f, c.y + 3}, {c.x - 1, c.y + 3},
                              {c.x - 5, c.y + r * 0.7f}, {c.x + r * 0.4f, c.y - 3}, {c.x + 1, c.y - 3}}),
                    Solid(Rgb(0x2060E0)));
        break;
    case 1: { // time: an hourglass, most of its sand run down
        const float w = r * 0.42f;
        const float h = r * 0.6f;
        const Colour sand = Rgb(0xE0A040);
        const ShapePtr glass = Unite(Polygon({{c.x - w, c.y - h}, {c.x + w, c.y - h}, {c.x + 1.5f, c.y}, {c.x - 1.5f, c.y}}),
                                     Polygon({{c.x - 1.5f, c.y}, {c.x + 1.5f, c.y}, {c.x + w, c.y + h}, {c.x - w, c.y + h}}));
        canvas.Fill(*glass, Solid(Rgb(0xFFF8E8, 0.9f)));
        canvas.Fill(*Polygon({{c.x - w * 0.45f, c.y - h * 0.45f}, {c.x + w * 0.45f, c.y - h * 0.45f}, {c.x + 1.0f, c.y - 1.0f},
                              {c.x - 1.0f, c.y - 1.0f}}),
                    Solid(sand));
        canvas.Fill(*Polyline({{c.x, c.y - 1.0f}, {c.x, c.y + h * 0.6f}}, 1.2f), Solid(sand));
        canvas.Fill(*Polygon({{c.x - w * 0.92f, c.y + h - 0.5f}, {c.x + w * 0.92f, c.y + h - 0.5f}, {c.x, c.y + h * 0.3f}}),
                    Solid(sand));
        canvas.Stroke(*glass, 1.5f, Solid(ink));
        for (float y : {c.y - h - 2.5f, c.y + h + 2.5f})
            canvas.Fill(*RoundedRect({c.x - w - 3.0f, y - 2.0f, c.x + w + 3.0f, y + 2.0f}, 1.5f), Solid(ink));
        break;
    }
    case 2: // swap: two arrows
        canvas.Fill(*Polyline({{c.x - r * 0.5f, c.y - 6}, {c.x + r * 0.5f, c.y - 6}}, 4.0f), Solid(Rgb(0x20A050)));
        canvas.Fill(*Polygon({{c.x + r * 0.6f, c.y - 6}, {c.x + r * 0.3f, c.y - 14}, {c.x + r * 0.3f, c.y + 2}}),
                    Solid(Rgb(0x20A050)));
        canvas.Fill(*Polyline({{c.x - r * 0.5f, c.y + 8}, {c.x + r * 0.5f, c.y + 8}}, 4.0f), Solid(Rgb(0xD0202C)));
        canvas.Fill(*Polygon({{c.x - r * 0.6f, c.y + 8}, {c.x - r * 0.3f, c.y}, {c.x - r * 0.3f, c.y + 16}}),
                    Solid(Rgb(0xD0202C)));
        break;
    case 3: // bomb
        canvas.Fill(*Circle({c.x, c.y + 4}, r * 0.5f), Solid(Rgb(0x202020)));
        canvas.Fill(*Polyline({{c.x + 6, c.y - 10}, {c.x + 12, c.y - 20}}, 3.0f), Solid(Rgb(0xE08020)));
        break;
    case 5: // "S"
    case 6: // "D"
    case 7: {
        const ShapePtr mark = icon == 5   ? Star(c, 4, r * 0.7f, r * 0.25f, 0.0f)
                              : icon == 6 ? Star(c, 6, r * 0.7f, r * 0.35f, 0.0f)
                                          : RoundedRect({c.x - r * 0.45f, c.y - r * 0.45f, c.x + r * 0.45f, c.y + r * 0.45f}, 4.0f);
        canvas.Fill(*mark, Solid(icon == 5 ? Rgb(0x9440C8) : icon == 6 ? Rgb(0x20B8B4) : Rgb(0xD86A2C)));
        break;
    }
    default:
        break;
    }
}

Colour StageColour(int stage)
{
    static const std::uint32_t colours[7] = {0x6A4A9A, 0x3A5AA8, 0xC89A40, 0x2A8A7A, 0xA83A2A, 0x3A7AC8, 0x8A6A3A};
    return Rgb(colours[(stage - 1 + 7) % 7]);
}

} // namespace

void DrawSquaresAtlas(Canvas& canvas)
{
    // The four glows (blue, gold, pink, red) along the top 128 rows.
    const std::uint32_t glows[4] = {0x80B0FF, 0xFFE080, 0xFF80C0, 0xFF6040};
    for (int k = 0; k < 4; ++k) {
        const Vec2 c{128.0f * static_cast<float>(k) + 64.0f, 64.0f};
        const Colour g = Rgb(glows[k]);
        canvas.FillAll([&](Vec2 p) {
            const float d = Length(p - c) / 60.0f;
            if (d >= 1.0f || std::fabs(p.x - c.x) > 63.0f || p.y > 127.0f)
                return Colour{0, 0, 0, 0};
            return Colour{g.r, g.g, g.b, Clamp01((1.0f - d) * (1.0f - d) * 1.2f)};
        });
    }
    float x = 0.0f;
    float y = 0.0f;
    // The bonus buttons' pictures in the order the board's buttons name them:
    // flash, bomb, swap, time.
    const int buttonIcons[4] = {0, 3, 2, 1};
    for (int k = 0; k < 4; ++k) {
        CellCentre(12 + k, x, y);
        DrawBonusIcon(canvas, buttonIcons[k], {x, y}, 34.0f);
    }
    for (int k = 0; k < 3; ++k) {
        CellCentre(24 + k, x, y);
        DrawBonusIcon(canvas, 5 + k, {x, y}, 34.0f);
    }
    // Musor: a heap of rubble.
    CellCentre(16, x, y);
    for (int i = 0; i < 7; ++i) {
        const Vec2 c{x - 18.0f + 6.0f * static_cast<float>(i), y + 8.0f - static_cast<float>((i * 7) % 5) * 5.0f};
        canvas.Fill(*Roughen(Circle(c, 12.0f), 40u + static_cast<unsigned>(i), 6.0f, 3.0f), Solid(Rgb(0x6A5A48)));
        canvas.Bevel(*Circle(c, 12.0f), 4.0f, 0.6f);
    }
    // Stone.
    CellCentre(23, x, y);
    {
        const ShapePtr stone = Roughen(RoundedRect({x - 34, y - 34, x + 34, y + 34}, 10.0f), 23u, 8.0f, 3.0f);
        canvas.Fill(*stone, Sandstone(Rgb(0x8A8070), 2301, 14.0f));
        canvas.Bevel(*stone, 8.0f, 0.8f);
    }
    // Life: a gold plate; heart: a red heart.
    CellCentre(28, x, y);
    DrawBonusIcon(canvas, -1, {x, y}, 34.0f);
    CellCentre(29, x, y);
    {
        const ShapePtr heart = Unite(Unite(Circle({x - 12, y - 8}, 15.0f), Circle({x + 12, y - 8}, 15.0f)),
                                     Polygon({{x - 26, y - 1}, {x + 26, y - 1}, {x, y + 30}}));
        canvas.Fill(*heart, RadialGradient({x - 8, y - 12}, 40.0f, {{0.0f, Rgb(0xFF8080)}, {1.0f, Rgb(0xA00010)}}));
        canvas.Bevel(*heart, 6.0f, 0.6f);
    }
    // Covers: lock, double lock, ice, not-falling lock and double lock.
    for (int k = 0; k < 5; ++k) {
        CellCentre(30 + k, x, y);
        const Box box{x - 38, y - 38, x + 38, y + 38};
        if (k == 2) {
            canvas.Fill(*RoundedRect(box, 8.0f), Solid(Rgb(0xC8E8FF, 0.45f)));
            canvas.Stroke(*RoundedRect(box, 8.0f), 3.0f, Solid(Rgb(0xFFFFFF, 0.8f)));
            continue;
        }
        const Colour metal = k >= 3 ? Rgb(0x707880) : palette::kBronze;
        const int bars = (k == 1 || k == 4) ? 2 : 1;
        for (int b = 0; b < bars; ++b) {
            const float o = bars == 1 ? 0.0f : (b == 0 ? -12.0f : 12.0f);
            canvas.Fill(*Polyline({{x - 38, y + o - 20}, {x + 38, y + o + 20}}, 7.0f), Solid(metal));
            canvas.Fill(*Polyline({{x - 38, y + o + 20}, {x + 38, y + o - 20}}, 7.0f), Solid(metal));
        }
        canvas.Fill(*RoundedRect({x - 12, y - 10, x + 12, y + 14}, 3.0f), Solid(Shade(metal, 0.7f)));
        if (k >= 3)
            canvas.Stroke(*RoundedRect(box, 6.0f), 4.0f, Solid(Rgb(0x404850)));
    }
}

void DrawChipTurnSheet(Canvas& canvas, int chip)
{
    const ChipLook& look = kChips[((chip % 16) + 16) % 16];
    Canvas face(40, 40);
    DrawChip(face, {19.5f, 19.5f}, 17.0f, look);
    for (int frame = 0; frame < 72; ++frame) {
        const int left = (frame % 12) * 40;
        const int top = (frame / 12) * 40;
        if (frame < 36) {
            const float a = static_cast<float>(frame) * 10.0f * kPi / 180.0f;
            CopySqueezed(canvas, face, left, top, std::cos(a), 1.0f);
        } else {
            const float t = static_cast<float>(frame - 36) / 35.0f;
            CopySqueezed(canvas, face, left, top, 1.0f, 1.0f + 0.6f * std::sin(t * kPi));
        }
    }
}

void DrawStageFrame(Canvas& canvas, int stage)
{
    const Colour metal = Shade(StageColour(stage), 1.2f);
    const Colour dark = Shade(metal, 0.45f);
    // Piece type t in columns from 512 - 160 (t + 1); the frame in rows
    // 352..512, the shadow in rows 192..352. In a piece the board's corner
    // is the centre (80, 80); rotation 0 has the board above it.
    for (int row = 0; row < 2; ++row) {
        const float top = row == 0 ? 352.0f : 192.0f;
        for (int t = 0; t < 3; ++t) {
            const float left = 512.0f - 160.0f * static_cast<float>(t + 1);
            const Vec2 c{left + 80.0f, top + 80.0f};
            ShapePtr band;
            const float w = 28.0f; // band below/right of the cells' edge
            const float in = 8.0f;
            if (t == 0) {
                band = RoundedRect({left - 2.0f, c.y - in, left + 162.0f, c.y + w}, 3.0f);
            } else if (t == 2) { // cell upper left: band below it and right of it
                band = Subtract(RoundedRect({left - 2.0f, top - 2.0f, c.x + w, c.y + w}, w),
                                RoundedRect({left - 10.0f, top - 10.0f, c.x - in, c.y - in}, 2.0f));
            } else { // missing lower right: band above and left of the gap
                band = Subtract(RoundedRect({c.x - in, c.y - in, left + 162.0f, top + 162.0f}, 2.0f),
                                RoundedRect({c.x + w, c.y + w, left + 170.0f, top + 170.0f}, w));
            }
            band = Intersect(band, RoundedRect({left, top, left + 160.0f, top + 160.0f}, 0.0f));
            if (row == 1) {
                canvas.Fill(*band, Solid(Rgb(0x000000, 0.5f)));
                continue;
            }
            canvas.Fill(*band, LinearGradient({c.x, c.y - in}, Shade(metal, 1.4f), {c.x, c.y + w}, dark));
            canvas.Bevel(*band, 6.0f, 0.8f);
            canvas.Stroke(*band, 1.5f, Solid(WithAlpha(Shade(metal, 0.3f), 0.9f)));
        }
    }
    if (stage == 2) {
        // Babylon's board puts this corner of the texture (u 0.625..0.9375,
        // v 0.6875..1) into each hole where the frame turns inward, 5 points
        // left of and 4 below the hole: a rivet at its upper right sits on
        // the frame's bend, and the hole itself stays open.
        const Vec2 rivet{464.0f, 16.0f};
        canvas.Shadow(*Circle(rivet, 14.0f), {2.0f, 3.0f}, 3.0f, Rgb(0x000000, 0.5f));
        canvas.Fill(*Circle(rivet, 14.0f), RadialGradient(rivet - Vec2{4.0f, 4.0f}, 18.0f, {{0.0f, Rgb(0xFFF0B0)}, {0.6f, palette::kGold}, {1.0f, palette::kGoldDark}}));
        canvas.Stroke(*Circle(rivet, 14.0f), 2.0f, Solid(Shade(metal, 0.3f)));
        return;
    }
    // The top strip: an inner corner piece and the stage ornaments.
    canvas.Fill(*Circle({400.0f, 80.0f}, 60.0f), RadialGradient({380.0f, 60.0f}, 80.0f, {{0.0f, Shade(metal, 1.4f)}, {1.0f, dark}}));
}

void DrawSunLayer(Canvas& canvas, int k)
{
    const Vec2 c{64.0f, 64.0f};
    if (k == 1) {
        canvas.Fill(*Circle(c, 24.0f), RadialGradient(c, 26.0f, {{0.0f, Rgb(0xFFFFE0)}, {0.6f, Rgb(0xFFD040)}, {1.0f, Rgb(0xE08010)}}));
        canvas.Glow(*Circle(c, 24.0f), 10.0f, Rgb(0xFFC040, 0.6f));
        return;
    }
    // Each further layer adds one ray, longer as the charge grows.
    const float angle = static_cast<float>(k - 2) * 2.0f * kPi / 17.0f;
    const float length = 30.0f + 1.8f * static_cast<float>(k);
    const Vec2 dir{std::cos(angle), std::sin(angle)};
    const Vec2 side{-dir.y, dir.x};
    const Vec2 base = c + dir * 22.0f;
    const ShapePtr ray = Polygon({base + side * 6.0f, c + dir * length, base - side * 6.0f});
    canvas.Fill(*ray, Solid(Rgb(0xFFC030, 0.95f)));
    canvas.Glow(*ray, 4.0f, Rgb(0xFFE080, 0.5f));
}

void DrawSunGlow(Canvas& canvas, bool small)
{
    const Colour g = small ? Rgb(0xFFD060) : Rgb(0xFFF0A0);
    canvas.FillAll([&](Vec2 p) {
        const float d = Length(p - Vec2{64.0f, 64.0f}) / 62.0f;
        const float ring = small ? std::exp(-std::pow((d - 0.55f) * 5.0f, 2.0f)) : std::exp(-std::pow((d - 0.8f) * 6.0f, 2.0f));
        return Colour{g.r, g.g, g.b, d < 1.0f ? Clamp01(ring) : 0.0f};
    });
}

void DrawStageCells(Canvas& canvas, int stage)
{
    const Colour base = Shade(StageColour(stage), 0.55f);
    const Paint stone = Sandstone(base, 4000u + static_cast<unsigned>(stage), 18.0f);
    for (int i = 0; i < 11; ++i) {
        for (int j = 0; j < 11; ++j) {
            const float x = 40.0f * static_cast<float>(i);
            const float y = 40.0f * static_cast<float>(j);
            const ShapePtr tile = RoundedRect({x + 1, y + 1, x + 39, y + 39}, 4.0f);
            canvas.Fill(*tile, stone);
            canvas.Bevel(*tile, 3.0f, -0.6f);
            canvas.Stroke(*tile, 1.0f, Solid(Rgb(0xE0C080, 0.35f)));
        }
    }
}

void DrawTimeBarFrame(Canvas& canvas)
{
    const ShapePtr frame = RoundedRect({1, 1, 518, 21}, 8.0f);
    canvas.Fill(*frame, Solid(Rgb(0x201008, 0.85f)));
    canvas.Stroke(*frame, 2.0f, Solid(palette::kGold));
}

void DrawTimeBarFill(Canvas& canvas)
{
    // The sands of the level's time: golden grains, lit from above; the
    // blinking row glows red when they run short.
    const ValueNoise grains(29);
    canvas.FillAll([&grains](Vec2 p) {
        const bool blink = p.y >= 16.0f;
        const float t = std::fmod(p.y, 16.0f) / 16.0f;
        const Colour a = blink ? Rgb(0xFF5020) : Rgb(0xE6B45A);
        const float grain = 0.82f + 0.36f * grains.At(p.x * 0.9f, p.y * 0.9f);
        return Shade(a, (1.25f - 0.55f * t) * grain);
    });
}

void DrawLifeIcon(Canvas& canvas)
{
    const ShapePtr heart = Unite(Unite(Circle({4.2f, 5.0f}, 3.6f), Circle({9.8f, 5.0f}, 3.6f)),
                                 Polygon({{0.8f, 6.2f}, {13.2f, 6.2f}, {7.0f, 13.5f}}));
    canvas.Fill(*heart, Solid(Rgb(0xE02030)));
    canvas.Stroke(*heart, 1.0f, Solid(Rgb(0x600010)));
}

void DrawWhite(Canvas& canvas)
{
    canvas.Clear(Rgb(0xFFFFFF));
}

void DrawTipArrow(Canvas& canvas, float uWidth)
{
    const float w = 64.0f * uWidth;
    const ShapePtr arrow = Polygon({{w * 0.3f, 2}, {w * 0.7f, 2}, {w * 0.7f, 18}, {w * 0.95f, 18}, {w * 0.5f, 38},
                                    {w * 0.05f, 18}, {w * 0.3f, 18}});
    canvas.Fill(*arrow, LinearGradient({0, 0}, Rgb(0xFFF0A0), {0, 40}, Rgb(0xE09020)));
    canvas.Stroke(*arrow, 1.5f, Solid(Rgb(0x5A3010)));
}

void DrawEnergyStrip(Canvas& canvas)
{
    canvas.FillAll([&](Vec2 p) {
        const float d = std::fabs(p.y - 8.0f) / 8.0f;
        return Colour{1.0f, 0.9f, 0.5f, Clamp01(1.0f - d * d)};
    });
}

void DrawTroyWheelPicture(Canvas& canvas)
{
    const Vec2 c{124.0f, 128.0f};
    canvas.Stroke(*Circle(c, 110.0f), 14.0f, Solid(Rgb(0x8A6A3A)));
    for (int i = 0; i < 8; ++i) {
        const float a = static_cast<float>(i) * kPi / 4.0f;
        canvas.Fill(*Polyline({c, c + Vec2{std::cos(a), std::sin(a)} * 108.0f}, 8.0f), Solid(Rgb(0x7A5A2A)));
    }
    canvas.Fill(*Circle(c, 18.0f), Solid(Rgb(0x5A3A1A)));
}

void DrawBabylonTorches(Canvas& canvas)
{
    // Two braziers on wall brackets, their bowls under the flames' points
    // (10 rows down, 31 and 484 across). The board draws the picture from
    // 24 to 88 points up the screen and the time bar's frame reaches 30:
    // everything stays above row 50 so the bar's ends show.
    for (float x : {31.0f, 484.0f}) {
        // The bracket: a plate on the wall and an arm up to the bowl.
        const ShapePtr plate = RoundedRect({x - 7.0f, 30.0f, x + 7.0f, 46.0f}, 3.0f);
        canvas.Shadow(*plate, {1.0f, 2.0f}, 2.0f, Rgb(0x000000, 0.5f));
        DrawMetalPlate(canvas, *plate, {x - 7.0f, 30.0f, x + 7.0f, 46.0f}, palette::kBronze, false);
        DrawRosette(canvas, {x, 38.0f}, 3.5f, palette::kGold);
        const ShapePtr stem = Polygon({{x - 2.5f, 30.0f}, {x + 2.5f, 30.0f}, {x + 5.0f, 21.0f}, {x - 5.0f, 21.0f}});
        canvas.Fill(*stem, LinearGradient({x - 5.0f, 0.0f}, palette::kBronzeLight, {x + 5.0f, 0.0f}, palette::kBronzeDark));
        // The bowl with its glowing coals.
        const ShapePtr bowl = Polygon({{x - 13.0f, 12.0f}, {x + 13.0f, 12.0f}, {x + 8.0f, 22.0f}, {x - 8.0f, 22.0f}});
        canvas.Shadow(*bowl, {1.0f, 2.0f}, 2.0f, Rgb(0x000000, 0.5f));
        canvas.Fill(*bowl, LinearGradient({x - 13.0f, 0.0f}, palette::kGoldLight, {x + 13.0f, 0.0f}, palette::kGoldDark));
        canvas.Bevel(*bowl, 2.0f, 0.6f);
        canvas.Fill(*Ellipse({x, 12.0f}, 12.0f, 3.0f), RadialGradient({x, 12.0f}, 12.0f, {{0.0f, Rgb(0xFFF0A0)}, {0.6f, Rgb(0xFF8020)}, {1.0f, Rgb(0x801808)}}));
        canvas.Glow(*Ellipse({x, 11.0f}, 10.0f, 3.0f), 6.0f, Rgb(0xFFA040, 0.6f));
    }
}

void DrawBabylonGlow(Canvas& canvas)
{
    canvas.FillAll([](Vec2 p) {
        const float d = Length(p - Vec2{30.0f, 180.0f}) / 200.0f;
        return Colour{1.0f, 0.6f, 0.2f, Clamp01(1.0f - d)};
    });
}

void DrawRomeFoot(Canvas& canvas)
{
    canvas.Fill(*Polygon({{2, 46}, {30, 46}, {22, 4}, {10, 4}}), Solid(palette::kGold));
    canvas.Bevel(*Polygon({{2, 46}, {30, 46}, {22, 4}, {10, 4}}), 3.0f, 0.8f);
}

void DrawGreekBranches(Canvas& canvas)
{
    for (int i = 0; i < 6; ++i) {
        const float x = 40.0f * static_cast<float>(i) + 20.0f;
        canvas.Fill(*Polyline({{x, 0}, {x + 4, 120}}, 3.0f), Solid(Rgb(0x4A6A2A)));
        for (int l = 0; l < 6; ++l)
            canvas.Fill(*Ellipse({x + ((l % 2) ? 8.0f : -6.0f), 12.0f + 18.0f * static_cast<float>(l)}, 8.0f, 4.0f, 0.5f),
                        Solid(Rgb(0x6A9A3A)));
    }
}


void DrawFlash(Canvas& canvas)
{
    canvas.FillAll([](Vec2 p) {
        const float d = Length(p - Vec2{32.0f, 32.0f}) / 32.0f;
        return Colour{1.0f, 1.0f, 1.0f, Clamp01(1.0f - d)};
    });
}
