#include "tools/artgen/GalleryArt.h"

#include "tools/artgen/Ornaments.h"
#include "tools/artgen/Palette.h"
#include "tools/artgen/SceneArt.h"
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
    const float shackle = std::max(3.0f, w * 0.1f);
    const ShapePtr bow = Arc({cx, h * 0.4f}, w * 0.28f, shackle, 3.14159265f, 6.2831853f);
    canvas.Fill(*bow, LinearGradient({cx - w * 0.3f, 0.0f}, Rgb(0xE0E0E8), {cx + w * 0.3f, 0.0f}, Rgb(0x80808C)));
    if (shackle > 4.0f)
        canvas.Bevel(*bow, shackle * 0.3f, 0.5f);
    const ShapePtr body = RoundedRect({w * 0.12f, h * 0.4f, w * 0.88f, h * 0.95f}, 2.0f);
    canvas.Shadow(*body, {1.0f, 1.0f}, 1.5f, Rgb(0x000000, 0.6f));
    canvas.Fill(*body, LinearGradient({0, h * 0.4f}, palette::kGoldLight, {0, h * 0.95f}, palette::kBronze));
    canvas.Bevel(*body, 2.0f, 0.5f);
    canvas.Fill(*Circle({cx, h * 0.62f}, w * 0.09f), Solid(palette::kBronzeDark));
    canvas.Fill(*RoundedRect({cx - 1.0f, h * 0.62f, cx + 1.0f, h * 0.82f}, 0.0f), Solid(palette::kBronzeDark));
}

namespace {

// A chain of oval links from one point to another, each link turned across
// its neighbours.
void DrawChain(Canvas& canvas, Vec2 from, Vec2 to, float link)
{
    const Vec2 along = to - from;
    const float length = Length(along);
    const float angle = std::atan2(along.y, along.x);
    const int links = std::max(2, static_cast<int>(length / (link * 1.5f)));
    for (int i = 0; i <= links; ++i) {
        const Vec2 c = from + along * (static_cast<float>(i) / static_cast<float>(links));
        const bool flat = i % 2 == 0;
        const float rx = link, ry = flat ? link * 0.55f : link * 0.22f;
        const ShapePtr ring = Subtract(Ellipse(c, rx, ry, angle), Ellipse(c, rx * 0.62f, ry * 0.35f, angle));
        canvas.Shadow(*ring, {2.0f, 3.0f}, 2.0f, Rgb(0x000000, 0.55f));
        canvas.Fill(*ring, LinearGradient(c - Vec2{rx, ry}, Rgb(0xB8B0A0), c + Vec2{rx, ry}, Rgb(0x3A342C)));
        canvas.Bevel(*ring, 2.0f, 0.6f);
    }
}

// The sea at dawn with a galley under sail in the middle: the scene window
// of the gallery while no scene plays.
void DrawVoyage(Canvas& canvas, const Box& window)
{
    Canvas view(static_cast<int>(window.Width()), static_cast<int>(window.Height()));
    const View at(view);
    const Sky dawn{Rgb(0x243A6A), Rgb(0xF0B48A), Rgb(0xFFF0C8), {0.5f, 0.47f}, Rgb(0x3A3A4A), Rgb(0x2A5A8A)};
    DrawSkyAndSea(view, at, dawn, 1417u);
    // Far coasts on either side, blue with the distance.
    view.Fill(*Ridge(0.0f, at.W(0.36f), at.H(kHorizon) - 2.0f, at.H(0.07f), at.H(kHorizon) + 1.0f, 1418u, 60.0f),
              Solid(Rgb(0x4A5274, 0.85f)));
    view.Fill(*Ridge(at.W(0.7f), at.W(1.0f), at.H(kHorizon) - 1.0f, at.H(0.05f), at.H(kHorizon) + 1.0f, 1419u, 40.0f),
              Solid(Rgb(0x525A7A, 0.8f)));
    // A few gulls.
    for (const Vec2 g : {Vec2{0.3f, 0.2f}, Vec2{0.36f, 0.16f}, Vec2{0.66f, 0.24f}}) {
        const Vec2 c = at(g.x, g.y);
        view.Fill(*Polyline({c - Vec2{9.0f, -3.0f}, c, c + Vec2{9.0f, 3.0f}}, 1.6f), Solid(Rgb(0x2A2A3A, 0.8f)));
    }
    // The galley, large, on the light's path.
    Canvas ship(220, 165);
    DrawSceneShip(ship);
    view.Draw(ship, static_cast<int>(at.W(0.5f)) - 110, static_cast<int>(at.H(0.78f)) - 150);
    view.Fill(*Ellipse(at(0.5f, 0.79f), 100.0f, 7.0f), Solid(Rgb(0xFFFFFF, 0.18f)));
    canvas.Draw(view, static_cast<int>(window.left), static_cast<int>(window.top));
}

} // namespace

void DrawLockedCountryView(Canvas& canvas, int country)
{
    DrawCountryView(canvas, country);
    // An old, faded painting: sepia, darker towards the edges.
    canvas.Transform([](Colour c, int, int) {
        const float grey = 0.3f * c.r + 0.59f * c.g + 0.11f * c.b;
        const Colour sepia{grey * 1.05f, grey * 0.86f, grey * 0.64f, c.a};
        return Shade(Mix(c, sepia, 0.85f), 0.62f);
    });
    Vignette(canvas, 0.7f);
    const float w = static_cast<float>(canvas.Width()), h = static_cast<float>(canvas.Height());
    // Two chains across it, corner to corner, and the padlock where they cross.
    const float link = std::max(6.0f, w * 0.035f);
    DrawChain(canvas, {-link, h * 0.08f}, {w + link, h * 0.92f}, link);
    DrawChain(canvas, {-link, h * 0.92f}, {w + link, h * 0.08f}, link);
    const int lockW = std::max(22, static_cast<int>(w * 0.2f));
    const int lockH = lockW * 28 / 22;
    Canvas lock(lockW, lockH);
    DrawPadlock(lock);
    const ShapePtr glow = Circle({w * 0.5f, h * 0.5f + static_cast<float>(lockH) * 0.1f}, static_cast<float>(lockW) * 0.7f);
    canvas.Glow(*glow, static_cast<float>(lockW) * 0.4f, Rgb(0xFFD890, 0.3f));
    canvas.Draw(lock, static_cast<int>(w * 0.5f) - lockW / 2, static_cast<int>(h * 0.5f) - lockH / 2);
}

void DrawGalleryWall(Canvas& canvas)
{
    const float w = static_cast<float>(canvas.Width()), h = static_cast<float>(canvas.Height());
    canvas.FillAll(Marble(Rgb(0x3A4A5A), Rgb(0x8A9AAA), 1401, 110.0f));
    for (float y = 60.0f; y < h; y += 60.0f)
        canvas.Fill(*RoundedRect({0, y - 1.0f, w, y + 1.0f}, 0.0f), Solid(Rgb(0x1D252D, 0.35f)));
    Vignette(canvas, 0.55f);
    DrawMeanderBand(canvas, {0.0f, 0.0f, w, 24.0f}, palette::kGold, palette::kTerracottaDark);
    // The plinth under the right column, its face free for the Back button,
    // and the left column standing on the floor.
    const Box plinth{690.0f, 548.0f, w + 8.0f, h + 8.0f};
    const ShapePtr block = RoundedRect(plinth, 4.0f);
    canvas.Shadow(*block, {-3.0f, -2.0f}, 6.0f, Rgb(0x000000, 0.5f));
    canvas.Fill(*block, Marble(Rgb(0x8A8478), Rgb(0x5A5248), 1402, 50.0f));
    canvas.Bevel(*block, 5.0f, 0.7f);
    canvas.Fill(*RoundedRect({plinth.left + 4.0f, plinth.top + 3.0f, plinth.right, plinth.top + 6.0f}, 1.0f),
                Solid(Rgb(0xFFFFFF, 0.15f)));
    DrawColumn(canvas, {22.0f, 24.0f, 82.0f, h}, palette::kMarble);
    DrawColumn(canvas, {718.0f, 24.0f, 778.0f, plinth.top}, palette::kMarble);
    // The papyrus panel: from under the band down past the floor, so the
    // list's plates and their shadows stand on it.
    const Box sheet{120.0f, 36.0f, 680.0f, h + 30.0f};
    const ShapePtr sheetShape = RoundedRect(sheet, 6.0f);
    canvas.Shadow(*sheetShape, {5.0f, 7.0f}, 8.0f, Rgb(0x000000, 0.55f));
    canvas.Fill(*sheetShape, Papyrus(palette::kPapyrus, 1403));
    canvas.Fill(*sheetShape, [sheetShape](Vec2 p) {
        return Colour{0.45f, 0.28f, 0.1f, 0.4f * (1.0f - Clamp01(-sheetShape->Distance(p) / 30.0f))};
    });
    DrawBronzeFrame(canvas, sheet.Grown(10.0f), 12.0f, 10.0f, palette::kBronze);
    for (float x : {sheet.left - 4.0f, sheet.right + 4.0f})
        DrawRosette(canvas, {x, sheet.top - 4.0f}, 9.0f, palette::kBronzeLight);
    // The ledge the plates stand on, in the shade of the window above.
    const Box ledge{sheet.left, 550.0f, sheet.right, h};
    canvas.Fill(*RoundedRect(ledge, 0.0f), LinearGradient({0.0f, ledge.top}, Rgb(0x5A3A1A, 0.55f), {0.0f, ledge.bottom}, Rgb(0x2A1A0A, 0.35f)));
    canvas.Fill(*RoundedRect({ledge.left, ledge.top - 2.0f, ledge.right, ledge.top + 1.0f}, 0.0f), Solid(Rgb(0xF8E8C0, 0.5f)));
    // The scene window's painting, and a dark rim behind the frame.
    const Box window{149.0f, 47.0f, 659.0f, 472.0f};
    canvas.Shadow(*RoundedRect(window, 2.0f), {4.0f, 6.0f}, 8.0f, Rgb(0x000000, 0.6f));
    DrawVoyage(canvas, window);
}
