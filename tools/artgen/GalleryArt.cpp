#include "tools/artgen/GalleryArt.h"

#include "tools/artgen/Ornaments.h"
#include "tools/artgen/Palette.h"
#include "tools/artgen/ValueNoise.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr float kHorizon = 0.55f;

struct Sky {
    Colour top;
    Colour horizon;
    Colour sun;
    Vec2 sunAt; // share of width and height
    Colour land;
    Colour sea;
};

const Sky kSkies[7] = {
    {Rgb(0x3A3A7A), Rgb(0xF2A88A), Rgb(0xFFE6C0), {0.78f, 0.42f}, Rgb(0x4A4A3A), Rgb(0x2A5A8A)},  // dawn
    {Rgb(0x4A8AC8), Rgb(0xF4DCA0), Rgb(0xFFF8E0), {0.2f, 0.2f}, Rgb(0x9A7A4A), Rgb(0x2A6A8A)},   // heat
    {Rgb(0x5A4A8A), Rgb(0xF8B050), Rgb(0xFFD890), {0.5f, 0.47f}, Rgb(0xC89A5A), Rgb(0x3A5A7A)},  // dusk
    {Rgb(0x2A6AB8), Rgb(0xBCDCF0), Rgb(0xFFFFF0), {0.7f, 0.15f}, Rgb(0xD8C8A0), Rgb(0x1E6A9A)},  // noon
    {Rgb(0x3A78B8), Rgb(0xE8D8B8), Rgb(0xFFF0C8), {0.15f, 0.3f}, Rgb(0xA87A5A), Rgb(0x245C88)},  // afternoon
    {Rgb(0x1E5AB0), Rgb(0xA8D0F0), Rgb(0xFFFFFF), {0.82f, 0.18f}, Rgb(0xB8A888), Rgb(0x1A60A8)}, // clear
    {Rgb(0x2A1A3A), Rgb(0xC8584A), Rgb(0xFFB080), {0.3f, 0.44f}, Rgb(0x5A3A2A), Rgb(0x3A3050)},  // storm
};

class View {
public:
    explicit View(Canvas& canvas) : _w(static_cast<float>(canvas.Width())), _h(static_cast<float>(canvas.Height())) {}
    Vec2 operator()(float u, float v) const { return {u * _w, v * _h}; }
    float W(float share) const { return share * _w; }
    float H(float share) const { return share * _h; }
    Box Rect(float u0, float v0, float u1, float v1) const { return {u0 * _w, v0 * _h, u1 * _w, v1 * _h}; }

private:
    float _w, _h;
};

ShapePtr Quad(const View& at, std::vector<Vec2> uv)
{
    for (Vec2& p : uv)
        p = at(p.x, p.y);
    return Polygon(std::move(uv));
}

void DrawSkyAndSea(Canvas& canvas, const View& at, const Sky& sky, unsigned seed)
{
    canvas.FillAll(LinearGradient(at(0, 0), at(0, kHorizon), {{0.0f, sky.top}, {1.0f, sky.horizon}}));
    const Vec2 sun = at(sky.sunAt.x, sky.sunAt.y);
    const float r = at.H(0.06f);
    canvas.Fill(*Circle(sun, r * 5.0f), RadialGradient(sun, r * 5.0f, {{0.0f, WithAlpha(sky.sun, 0.6f)}, {1.0f, WithAlpha(sky.sun, 0.0f)}}));
    canvas.Fill(*Circle(sun, r), Solid(sky.sun));
    const ValueNoise waves(seed);
    const float horizon = at.H(kHorizon);
    canvas.Fill(*RoundedRect(at.Rect(0, kHorizon, 1, 1), 0.0f), [&](Vec2 p) {
        const float depth = (p.y - horizon) / std::max(1.0f, at.H(1.0f) - horizon);
        Colour c = Mix(Mix(sky.sea, sky.horizon, 0.35f), Shade(sky.sea, 0.5f), std::sqrt(Clamp01(depth)));
        const float ripple = waves.Fractal(p.x / at.W(0.12f), p.y / at.H(0.02f + depth * 0.05f), 3);
        const float path = std::exp(-std::pow((p.x - sun.x) / at.W(0.08f + depth * 0.2f), 2.0f));
        c = Shade(c, 0.85f + 0.3f * ripple);
        return Mix(c, sky.sun, Clamp01(SmoothStep(0.55f, 0.8f, ripple) * path * 0.8f));
    });
}

// The shore the landmark stands on: a low strip along the horizon.
void DrawShore(Canvas& canvas, const View& at, const Sky& sky, float from, float to)
{
    canvas.Fill(*Quad(at, {{from, kHorizon + 0.02f}, {from + 0.05f, kHorizon - 0.04f}, {to - 0.05f, kHorizon - 0.05f},
                           {to, kHorizon + 0.02f}}),
                Solid(Shade(sky.land, 0.8f)));
}

void DrawLandmark(Canvas& canvas, const View& at, int country, const Sky& sky)
{
    const Colour stone = Mix(sky.land, sky.horizon, 0.25f);
    const Colour dark = Shade(sky.land, 0.6f);
    const float base = kHorizon - 0.03f;
    switch (country) {
    case 1: { // cedars and the harbour tower
        DrawShore(canvas, at, sky, 0.0f, 0.6f);
        for (int i = 0; i < 5; ++i) {
            const float u = 0.06f + 0.09f * static_cast<float>(i);
            for (int k = 0; k < 3; ++k)
                canvas.Fill(*Ellipse(at(u, base - 0.06f - 0.05f * static_cast<float>(k)), at.W(0.05f - 0.012f * static_cast<float>(k)), at.H(0.025f)),
                            Solid(Shade(palette::kCypress, 1.1f + 0.15f * static_cast<float>(k))));
            canvas.Fill(*RoundedRect(at.Rect(u - 0.006f, base - 0.05f, u + 0.006f, base), 0.0f), Solid(dark));
        }
        canvas.Fill(*RoundedRect(at.Rect(0.5f, base - 0.3f, 0.56f, base), 0.0f), Solid(stone));
        canvas.Fill(*Quad(at, {{0.49f, base - 0.3f}, {0.53f, base - 0.36f}, {0.57f, base - 0.3f}}), Solid(palette::kTerracotta));
        canvas.Fill(*Circle(at(0.53f, base - 0.33f), at.H(0.012f)), Solid(Rgb(0xFFE090)));
        break;
    }
    case 2: { // the stepped tower
        DrawShore(canvas, at, sky, 0.15f, 0.85f);
        for (int i = 0; i < 5; ++i) {
            const float half = 0.25f - 0.045f * static_cast<float>(i);
            const float top = base - 0.07f * static_cast<float>(i + 1);
            canvas.Fill(*RoundedRect(at.Rect(0.5f - half, top, 0.5f + half, top + 0.071f), 0.0f),
                        Solid(Shade(stone, 1.0f - 0.06f * static_cast<float>(i))));
            canvas.Fill(*RoundedRect(at.Rect(0.5f - half, top, 0.5f - half + 0.01f, top + 0.071f), 0.0f), Solid(dark));
        }
        canvas.Fill(*RoundedRect(at.Rect(0.485f, base - 0.35f, 0.515f, base), 0.0f), Solid(Shade(stone, 0.8f)));
        break;
    }
    case 3: { // the pyramids
        DrawShore(canvas, at, sky, 0.05f, 0.95f);
        const float peaks[3][3] = {{0.3f, 0.2f, 0.28f}, {0.58f, 0.24f, 0.36f}, {0.8f, 0.13f, 0.18f}};
        for (const auto& p : peaks) {
            canvas.Fill(*Quad(at, {{p[0] - p[1], base}, {p[0], base - p[2]}, {p[0] + p[1], base}}), Solid(stone));
            canvas.Fill(*Quad(at, {{p[0], base - p[2]}, {p[0] + p[1], base}, {p[0] + 0.02f, base}}), Solid(Shade(stone, 0.7f)));
        }
        break;
    }
    case 4: { // the round harbour
        DrawShore(canvas, at, sky, 0.1f, 0.9f);
        canvas.Fill(*RoundedRect(at.Rect(0.12f, base - 0.12f, 0.88f, base), 0.0f), Solid(stone));
        for (int i = 0; i < 9; ++i) {
            const float u = 0.16f + 0.08f * static_cast<float>(i);
            canvas.Fill(*Unite(Circle(at(u + 0.02f, base - 0.07f), at.W(0.02f)), RoundedRect(at.Rect(u, base - 0.07f, u + 0.04f, base), 0.0f)),
                        Solid(dark));
        }
        canvas.Fill(*Circle(at(0.5f, base - 0.2f), at.H(0.07f)), Solid(Shade(stone, 1.1f)));
        canvas.Fill(*RoundedRect(at.Rect(0.45f, base - 0.2f, 0.55f, base - 0.12f), 0.0f), Solid(Shade(stone, 1.1f)));
        break;
    }
    case 5: { // the aqueduct
        DrawShore(canvas, at, sky, 0.0f, 1.0f);
        canvas.Fill(*RoundedRect(at.Rect(0.0f, base - 0.22f, 1.0f, base - 0.18f), 0.0f), Solid(stone));
        for (int i = 0; i < 8; ++i) {
            const float u = 0.02f + 0.125f * static_cast<float>(i);
            canvas.Fill(*RoundedRect(at.Rect(u, base - 0.18f, u + 0.025f, base), 0.0f), Solid(stone));
            canvas.Fill(*Arc(at(u + 0.0625f + 0.0125f, base - 0.12f), at.W(0.05f), at.W(0.012f), 3.14159265f, 6.2831853f), Solid(stone));
        }
        break;
    }
    case 6: { // the temple on its hill
        canvas.Fill(*Quad(at, {{0.25f, kHorizon + 0.01f}, {0.42f, base - 0.1f}, {0.7f, base - 0.11f}, {0.85f, kHorizon + 0.01f}}),
                    Solid(Mix(palette::kOlive, sky.horizon, 0.3f)));
        DrawTemple(canvas, at.Rect(0.43f, base - 0.3f, 0.69f, base - 0.1f), 6, palette::kMarble);
        break;
    }
    default: { // the walls of Troy and the horse before them
        DrawShore(canvas, at, sky, 0.0f, 0.8f);
        canvas.Fill(*RoundedRect(at.Rect(0.05f, base - 0.16f, 0.72f, base), 0.0f), Solid(stone));
        for (int i = 0; i < 4; ++i) {
            const float u = 0.05f + 0.2f * static_cast<float>(i);
            canvas.Fill(*RoundedRect(at.Rect(u, base - 0.24f, u + 0.07f, base), 0.0f), Solid(Shade(stone, 1.1f)));
            for (int k = 0; k < 3; ++k)
                canvas.Fill(*RoundedRect(at.Rect(u + 0.025f * static_cast<float>(k), base - 0.265f, u + 0.025f * static_cast<float>(k) + 0.015f, base - 0.24f), 0.0f),
                            Solid(Shade(stone, 1.1f)));
        }
        const Colour wood = Rgb(0x6A4020);
        canvas.Fill(*Ellipse(at(0.84f, base - 0.09f), at.W(0.06f), at.H(0.035f)), Solid(wood));
        canvas.Fill(*Quad(at, {{0.88f, base - 0.1f}, {0.9f, base - 0.2f}, {0.93f, base - 0.19f}, {0.91f, base - 0.09f}}), Solid(wood));
        for (float u : {0.8f, 0.82f, 0.86f, 0.88f})
            canvas.Fill(*RoundedRect(at.Rect(u, base - 0.07f, u + 0.008f, base), 0.0f), Solid(Shade(wood, 0.8f)));
        break;
    }
    }
}

} // namespace

void DrawCountryView(Canvas& canvas, int country)
{
    const View at(canvas);
    const int index = std::clamp(country, 1, 7) - 1;
    const Sky& sky = kSkies[index];
    DrawSkyAndSea(canvas, at, sky, 1400u + static_cast<unsigned>(country));
    DrawLandmark(canvas, at, index + 1, sky);
    // Haze where the land meets the sea.
    canvas.Fill(*RoundedRect(at.Rect(0.0f, kHorizon - 0.015f, 1.0f, kHorizon + 0.015f), 0.0f), Solid(WithAlpha(sky.horizon, 0.35f)));
}

void DrawListPlate(Canvas& canvas, TitleLetterer& serifBold, int country, int windowLeft)
{
    const float w = static_cast<float>(canvas.Width()), h = static_cast<float>(canvas.Height());
    const Box plate{0.0f, 0.0f, w, h};
    DrawMetalPlate(canvas, *RoundedRect(plate.Grown(-1.0f), 5.0f), plate, palette::kBronze, false);
    const Box window{static_cast<float>(windowLeft), 14.0f, static_cast<float>(windowLeft) + 70.0f, 64.0f};
    canvas.Fill(*RoundedRect(window.Grown(1.0f), 2.0f), Solid(Rgb(0x120A04)));
    canvas.Bevel(*RoundedRect(window.Grown(2.0f), 3.0f), 2.0f, -0.6f);
    static const char* const kNumerals[7] = {"I", "II", "III", "IV", "V", "VI", "VII"};
    LetteringStyle style;
    style.fill = {{0.0f, palette::kGoldLight}, {1.0f, palette::kGold}};
    style.outline = palette::kBronzeDark;
    style.outlineWidth = 1;
    DrawLettering(canvas, serifBold, kNumerals[std::clamp(country, 1, 7) - 1], 11, 1,
                  {(window.left + window.right) * 0.5f, 1.0f}, style);
}

void DrawActiveGlow(Canvas& canvas)
{
    const float w = static_cast<float>(canvas.Width()), h = static_cast<float>(canvas.Height());
    const ShapePtr core = RoundedRect({12.0f, 10.0f, w - 12.0f, h - 10.0f}, 10.0f);
    canvas.Glow(*core, 10.0f, Rgb(0xFFD860, 0.9f));
    canvas.Fill(*core, Solid(Rgb(0xFFE8A0, 0.55f)));
}

void DrawActiveRightShadow(Canvas& canvas)
{
    const float w = static_cast<float>(canvas.Width()), h = static_cast<float>(canvas.Height());
    canvas.FillAll([w, h](Vec2 p) {
        const float across = 1.0f - Clamp01(p.x / w);
        const float along = SmoothStep(0.0f, 0.2f, p.y / h) * (1.0f - SmoothStep(0.75f, 1.0f, p.y / h));
        return Rgb(0x000000, 0.6f * across * along);
    });
}

void DrawFloorShadow(Canvas& canvas)
{
    const float w = static_cast<float>(canvas.Width()), h = static_cast<float>(canvas.Height());
    const Vec2 centre{w * 0.5f, h - 30.0f};
    canvas.FillAll([centre, w](Vec2 p) {
        const float dx = (p.x - centre.x) / (w * 0.5f), dy = (p.y - centre.y) / 10.0f;
        return Rgb(0x000000, 0.7f * (1.0f - SmoothStep(0.3f, 1.0f, std::sqrt(dx * dx + dy * dy))));
    });
}

void DrawPadlock(Canvas& canvas)
{
    const float w = static_cast<float>(canvas.Width()), h = static_cast<float>(canvas.Height());
    const float cx = w * 0.5f;
    canvas.Fill(*Arc({cx, h * 0.4f}, w * 0.28f, 3.0f, 3.14159265f, 6.2831853f), Solid(Rgb(0xC0C0C8)));
    const ShapePtr body = RoundedRect({w * 0.12f, h * 0.4f, w * 0.88f, h * 0.95f}, 2.0f);
    canvas.Shadow(*body, {1.0f, 1.0f}, 1.5f, Rgb(0x000000, 0.6f));
    canvas.Fill(*body, LinearGradient({0, h * 0.4f}, palette::kGoldLight, {0, h * 0.95f}, palette::kBronze));
    canvas.Bevel(*body, 2.0f, 0.5f);
    canvas.Fill(*Circle({cx, h * 0.62f}, w * 0.09f), Solid(palette::kBronzeDark));
    canvas.Fill(*RoundedRect({cx - 1.0f, h * 0.62f, cx + 1.0f, h * 0.82f}, 0.0f), Solid(palette::kBronzeDark));
}
