#include "tools/artgen/SceneArt.h"

#include "tools/artgen/Ornaments.h"
#include "tools/artgen/Palette.h"
#include "tools/artgen/ValueNoise.h"
#include "tools/artgen/WidgetArt.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kPi = 3.14159265f;

Box Whole(const Canvas& canvas)
{
    return {0.0f, 0.0f, static_cast<float>(canvas.Width()), static_cast<float>(canvas.Height())};
}

// Darkens the picture towards its edges.
void Vignette(Canvas& canvas, float strength)
{
    const float cx = static_cast<float>(canvas.Width()) * 0.5f, cy = static_cast<float>(canvas.Height()) * 0.5f;
    canvas.Transform([&](Colour c, int x, int y) {
        const float dx = (static_cast<float>(x) - cx) / cx, dy = (static_cast<float>(y) - cy) / cy;
        const float k = 1.0f - strength * SmoothStep(0.5f, 1.5f, std::sqrt(dx * dx + dy * dy));
        return Shade(c, k);
    });
}

// A ridge line from noise: the points of a polygon closed at the bottom.
ShapePtr Ridge(float left, float right, float baseY, float height, float bottom, unsigned seed, float roughness)
{
    const ValueNoise noise(seed);
    std::vector<Vec2> points{{left, bottom}};
    for (float x = left; x <= right; x += 4.0f)
        points.push_back({x, baseY - height * noise.Fractal(x / roughness, 0.5f, 4)});
    points.push_back({right, bottom});
    return Polygon(std::move(points));
}

} // namespace

void DrawCoast(Canvas& canvas, CoastLight light)
{
    const Box whole = Whole(canvas);
    const float w = whole.Width(), h = whole.Height();
    const bool dusk = light == CoastLight::Dusk;
    const float horizon = h * 0.6f;
    const Vec2 sun{w * (dusk ? 0.36f : 0.3f), horizon - h * (dusk ? 0.07f : 0.3f)};

    // Sky.
    canvas.FillAll(LinearGradient({0, 0}, {0, horizon},
                                  dusk ? std::vector<ColourStop>{{0.0f, Rgb(0x141C48)}, {0.45f, Rgb(0x5A3C74)}, {0.8f, Rgb(0xD07A58)}, {1.0f, Rgb(0xF6C070)}}
                                       : std::vector<ColourStop>{{0.0f, Rgb(0x1E4C94)}, {0.55f, Rgb(0x5C92CC)}, {0.9f, Rgb(0xB8D4E4)}, {1.0f, Rgb(0xF0E2C0)}}));
    canvas.Fill(*Circle(sun, h * 0.5f), RadialGradient(sun, h * 0.5f,
                                                      {{0.0f, Rgb(0xFFF4D0, 0.85f)}, {0.25f, Rgb(0xFFD890, 0.35f)}, {1.0f, Rgb(0xFFD890, 0.0f)}}));
    canvas.Fill(*Circle(sun, h * 0.045f), Solid(Rgb(0xFFF8E0)));
    // Streaks of cloud.
    const ValueNoise clouds(101);
    const Colour cloud = dusk ? Rgb(0xF0A080) : Rgb(0xFFFFFF);
    canvas.Fill(*RoundedRect({0, 0, w, horizon}, 0.0f), [&](Vec2 p) {
        const float n = clouds.Fractal(p.x / 220.0f, p.y / 28.0f, 5);
        const float band = SmoothStep(0.0f, 0.25f, p.y / horizon) * (1.0f - SmoothStep(0.6f, 0.95f, p.y / horizon));
        return WithAlpha(cloud, SmoothStep(0.52f, 0.78f, n) * 0.75f * band);
    });
    // Far hills, hazy.
    const Colour haze = dusk ? Rgb(0x6A4C7A) : Rgb(0x7C96B4);
    canvas.Fill(*Ridge(0.0f, w * 0.62f, horizon + 1.0f, h * 0.07f, horizon + 2.0f, 202, 90.0f), Solid(haze));

    // Sea with a path of light under the sun.
    const ValueNoise waves(303);
    canvas.Fill(*RoundedRect({0, horizon, w, h}, 0.0f), [&](Vec2 p) {
        const float depth = (p.y - horizon) / (h - horizon);
        Colour c = dusk ? Mix(Rgb(0x8A5A70), Rgb(0x1A2446), std::sqrt(depth)) : Mix(Rgb(0x5C9CC4), Rgb(0x0E3A64), std::sqrt(depth));
        const float ripple = waves.Fractal(p.x / (60.0f + depth * 140.0f), p.y / (2.0f + depth * 10.0f), 4);
        c = Shade(c, 0.85f + 0.3f * ripple);
        const float path = std::exp(-std::pow((p.x - sun.x) / (40.0f + depth * 160.0f), 2.0f));
        const float glint = SmoothStep(0.55f, 0.75f, ripple) * path;
        return Mix(c, dusk ? Rgb(0xFFD08A) : Rgb(0xFFF6E0), Clamp01(glint * 0.9f + path * 0.15f));
    });

    // A ship under sail.
    const Vec2 ship{w * 0.2f, horizon + h * 0.09f};
    const Colour hull = dusk ? Rgb(0x2A1A20) : Rgb(0x4A2A18);
    canvas.Fill(*Polygon({{ship.x - 34.0f, ship.y - 6.0f}, {ship.x + 36.0f, ship.y - 8.0f}, {ship.x + 26.0f, ship.y + 4.0f},
                          {ship.x - 26.0f, ship.y + 4.0f}}),
                Solid(hull));
    canvas.Fill(*Polyline({{ship.x, ship.y - 6.0f}, {ship.x, ship.y - 52.0f}}, 2.0f), Solid(hull));
    canvas.Fill(*Polygon({{ship.x - 24.0f, ship.y - 48.0f}, {ship.x + 24.0f, ship.y - 48.0f}, {ship.x + 20.0f, ship.y - 14.0f},
                          {ship.x - 20.0f, ship.y - 14.0f}}),
                LinearGradient({ship.x - 24.0f, 0}, dusk ? Rgb(0xE8A080) : Rgb(0xF4E8D0), {ship.x + 24.0f, 0}, dusk ? Rgb(0x9A5050) : Rgb(0xC8A880)));
    for (int i = 0; i < 3; ++i)
        canvas.Fill(*Polyline({{ship.x - 22.0f, ship.y - 40.0f + static_cast<float>(i) * 9.0f},
                               {ship.x + 22.0f, ship.y - 40.0f + static_cast<float>(i) * 9.0f}},
                              2.5f),
                    Solid(WithAlpha(palette::kTerracotta, 0.8f)));

    // The headland on the right with the temple on it.
    const float cliffTop = horizon - h * 0.12f;
    std::vector<Vec2> cliff{{w * 0.52f, h + 20.0f}, {w * 0.55f, horizon + h * 0.2f}, {w * 0.6f, horizon + h * 0.05f},
                            {w * 0.64f, cliffTop + h * 0.02f}, {w * 0.68f, cliffTop}, {w + 20.0f, cliffTop - h * 0.01f}, {w + 20.0f, h + 20.0f}};
    const ShapePtr rock = Roughen(Polygon(cliff), 404, 26.0f, 7.0f);
    const Colour rockColour = dusk ? Rgb(0xB07C5C) : palette::kSandstone;
    canvas.Fill(*rock, Sandstone(rockColour, 404, 40.0f));
    // Layers of the rock, slightly bent.
    const ValueNoise strata(405);
    canvas.Fill(*rock, [&](Vec2 p) {
        const float n = strata.Fractal(p.x / 120.0f, p.y / 60.0f, 3);
        const float s = std::sin(p.y / 9.0f + n * 7.0f);
        return Colour{0.25f, 0.13f, 0.05f, 0.22f * SmoothStep(0.6f, 0.95f, s)};
    });
    canvas.Fill(*rock, LinearGradient({w * 0.52f, 0}, Rgb(0x3A2010, 0.45f), {w * 0.75f, 0}, Rgb(0x3A2010, 0.0f)));
    canvas.Bevel(*rock, 10.0f, 0.5f);
    // Grass and bushes along the top of the cliff.
    const Colour green = dusk ? Rgb(0x3A4024) : palette::kOlive;
    canvas.Fill(*Ridge(w * 0.63f, w, cliffTop + 4.0f, 7.0f, cliffTop + 10.0f, 505, 14.0f), Solid(green));
    const Box temple{w * 0.7f, cliffTop - h * 0.2f, w * 0.96f, cliffTop + 2.0f};
    DrawTemple(canvas, temple, 6, dusk ? Rgb(0xE8C0A0) : palette::kMarble);
    // Cypresses beside the temple.
    for (float x : {w * 0.665f, w * 0.985f}) {
        const ShapePtr tree = Ellipse({x, cliffTop - h * 0.07f}, 9.0f, h * 0.085f);
        canvas.Fill(*tree, Mottled(Solid(dusk ? Rgb(0x1A2418) : palette::kCypress), 606, 4.0f, 0.3f));
        canvas.Bevel(*tree, 5.0f, 0.4f);
    }
    // Foam where the sea meets the rock.
    canvas.Stroke(*rock, 2.0f, [&](Vec2 p) { return WithAlpha(Rgb(0xFFFFFF), p.y > horizon + 4.0f ? 0.5f : 0.0f); });
    Vignette(canvas, 0.35f);
}

void DrawTitleSplash(Canvas& canvas, TextPainter& serif, TextPainter& serifBold)
{
    DrawCoast(canvas, CoastLight::Dusk);
    const float w = static_cast<float>(canvas.Width()), h = static_cast<float>(canvas.Height());
    DrawMeanderBand(canvas, {0.0f, 0.0f, w, 26.0f}, palette::kGold, palette::kTerracottaDark);
    DrawMeanderBand(canvas, {0.0f, h - 26.0f, w, h}, palette::kGold, palette::kTerracottaDark);
    LetteringStyle title;
    title.fill = {{0.0f, palette::kGoldLight}, {0.45f, palette::kGold}, {0.55f, Rgb(0xD8A030)}, {1.0f, palette::kGoldDark}};
    title.outline = palette::kInk;
    title.outlineWidth = 3;
    title.shadow = Rgb(0x000000, 0.7f);
    title.shadowBlur = 4;
    title.shadowOffset = {4.0f, 5.0f};
    title.glow = Rgb(0xFFE0A0, 0.35f);
    title.glowRadius = 10;
    const Box word = DrawLettering(canvas, serifBold, "Velmora", 96, 2, {w * 0.37f, 64.0f}, title);
    title.glowRadius = 8;
    DrawLettering(canvas, serifBold, "Ascendant", 60, 6, {w * 0.37f, word.bottom - 8.0f}, title);
    LetteringStyle small;
    small.fill = {{0.0f, Rgb(0xFFF2D8)}, {1.0f, Rgb(0xF0D8B0)}};
    small.shadow = Rgb(0x000000, 0.8f);
    small.shadowBlur = 2;
    small.shadowOffset = {1.0f, 2.0f};
    const Box line = DrawLettering(canvas, serif, "A tale of seven shores", 24, 2, {w * 0.37f, h - 70.0f}, small);
    const float mid = (line.top + line.bottom) * 0.5f;
    DrawLaurel(canvas, {line.left - 20.0f, mid - 150.0f}, 150.0f, kPi * 0.5f, kPi * 0.68f, 14.0f, palette::kGold);
    DrawLaurel(canvas, {line.right + 20.0f, mid - 150.0f}, 150.0f, kPi * 0.32f, kPi * 0.5f, 14.0f, palette::kGold);
}

void DrawPublisherSplash(Canvas& canvas, TextPainter& serif, TextPainter& serifBold)
{
    const float w = static_cast<float>(canvas.Width()), h = static_cast<float>(canvas.Height());
    canvas.FillAll(Marble(Rgb(0x1A2A5A), Rgb(0x6A80B8), 701, 120.0f));
    canvas.FillAll(RadialGradient({w * 0.5f, h * 0.42f}, w * 0.6f, {{0.0f, Rgb(0xFFE8B0, 0.18f)}, {1.0f, Rgb(0xFFE8B0, 0.0f)}}));
    Vignette(canvas, 0.6f);
    // The mark and the name stand in the upper half: the lower half is
    // left to the text that zooms in over the picture.
    const Vec2 centre{w * 0.5f, 128.0f};
    const ShapePtr disc = Circle(centre, 92.0f);
    canvas.Shadow(*disc, {4.0f, 6.0f}, 8.0f, Rgb(0x000000, 0.6f));
    canvas.Fill(*disc, RadialGradient(centre - Vec2{35.0f, 35.0f}, 170.0f,
                                      {{0.0f, palette::kLapisLight}, {0.6f, palette::kLapis}, {1.0f, palette::kLapisDeep}}));
    canvas.Stroke(*disc, 9.0f, LinearGradient(centre - Vec2{92, 92}, palette::kGoldLight, centre + Vec2{92, 92}, palette::kGoldDark));
    canvas.Bevel(*Subtract(Inflate(disc, 5.0f), Inflate(disc, -5.0f)), 5.0f, 0.8f);
    DrawLaurel(canvas, centre, 67.0f, kPi * 0.55f, kPi * 1.45f, 22.0f, palette::kGold);
    DrawLaurel(canvas, centre, 67.0f, -kPi * 0.45f, kPi * 0.45f, 22.0f, palette::kGold);
    LetteringStyle mark;
    mark.fill = {{0.0f, palette::kGoldLight}, {1.0f, palette::kGoldDark}};
    mark.outline = palette::kInk;
    mark.outlineWidth = 2;
    mark.shadow = Rgb(0x000000, 0.6f);
    mark.shadowBlur = 3;
    mark.shadowOffset = {3.0f, 4.0f};
    DrawLettering(canvas, serifBold, "T", 100, 0, {centre.x, centre.y - 60.0f}, mark);
    LetteringStyle name = mark;
    name.glow = Rgb(0xFFD880, 0.25f);
    name.glowRadius = 8;
    DrawLettering(canvas, serifBold, "Tovarin", 58, 4, {w * 0.5f, 230.0f}, name);
    name.outlineWidth = 1;
    name.glowRadius = 0;
    DrawLettering(canvas, serif, "E N T E R T A I N M E N T", 22, 2, {w * 0.5f, 304.0f}, name);
    DrawMeanderBand(canvas, {w * 0.2f, h - 60.0f, w * 0.8f, h - 40.0f}, palette::kGold, Rgb(0x0E1E48, 0.0f));
}

void DrawPanelBackdrop(Canvas& canvas, const BackdropStyle& style)
{
    const Box whole = Whole(canvas);
    const float w = whole.Width(), h = whole.Height();
    canvas.FillAll(Marble(style.stone, style.vein, style.seed, 110.0f));
    // Courses of the wall.
    for (float y = 60.0f; y < h; y += 60.0f)
        canvas.Fill(*RoundedRect({0, y - 1.0f, w, y + 1.0f}, 0.0f), Solid(WithAlpha(Shade(style.stone, 0.5f), 0.35f)));
    Vignette(canvas, 0.55f);
    DrawMeanderBand(canvas, {0.0f, 0.0f, w, 24.0f}, palette::kGold, palette::kTerracottaDark);
    DrawMeanderBand(canvas, {0.0f, h - 24.0f, w, h}, palette::kGold, palette::kTerracottaDark);
    for (float x : {22.0f, w - 82.0f})
        DrawColumn(canvas, {x, 24.0f, x + 60.0f, h - 24.0f}, palette::kMarble);
    // The papyrus field in the middle where the screen's widgets go.
    const Box sheet{120.0f, 70.0f, w - 120.0f, h - 60.0f};
    const ShapePtr sheetShape = RoundedRect(sheet, 6.0f);
    canvas.Shadow(*sheetShape, {5.0f, 7.0f}, 8.0f, Rgb(0x000000, 0.55f));
    canvas.Fill(*sheetShape, Papyrus(palette::kPapyrus, style.seed + 1));
    canvas.Fill(*sheetShape, [sheetShape](Vec2 p) {
        return Colour{0.45f, 0.28f, 0.1f, 0.4f * (1.0f - Clamp01(-sheetShape->Distance(p) / 30.0f))};
    });
    DrawBronzeFrame(canvas, sheet.Grown(10.0f), 12.0f, 10.0f, palette::kBronze);
    for (float x : {sheet.left - 4.0f, sheet.right + 4.0f})
        for (float y : {sheet.top - 4.0f, sheet.bottom + 4.0f})
            DrawRosette(canvas, {x, y}, 9.0f, palette::kBronzeLight);
}

void DrawMap(Canvas& canvas)
{
    const Box whole = Whole(canvas);
    const float w = whole.Width(), h = whole.Height();
    // The land: the whole sheet; the sea is cut out of it.
    canvas.FillAll(Papyrus(palette::kPapyrus, 801));
    canvas.FillAll(Mottled(Solid(Rgb(0xC8A870, 0.35f)), 802, 70.0f, 0.5f));
    // The outline below is drawn on a squat grid; stretch it to fill the sheet.
    auto fit = [](Vec2 p) { return Vec2{400.0f + (p.x - 400.0f) * 1.04f, 300.0f + (p.y - 300.0f) * 1.5f}; };
    std::vector<Vec2> coast = {{0, 300},   {70, 285},  {110, 262}, {150, 250}, {180, 215}, {215, 190}, {255, 178}, {290, 182},
                                  {320, 176}, {345, 205}, {372, 240}, {398, 272}, {420, 298}, {435, 322}, {430, 338}, {446, 336},
                                  {452, 316}, {468, 300}, {488, 292}, {470, 278}, {445, 258}, {420, 232}, {398, 205}, {385, 182},
                                  {392, 168}, {412, 180}, {438, 205}, {462, 232}, {480, 258}, {488, 290}, {498, 318}, {512, 312},
                                  {518, 292}, {530, 270}, {540, 252}, {548, 236}, {560, 222}, {575, 214}, {584, 238}, {590, 262},
                                  {600, 285}, {630, 296}, {670, 298}, {705, 302}, {700, 330}, {694, 362}, {688, 392}, {670, 410},
                                  {640, 404}, {612, 398}, {580, 404}, {548, 412}, {515, 405}, {490, 398}, {465, 408}, {440, 420},
                                  {415, 405}, {395, 380}, {378, 358}, {365, 340}, {345, 348}, {310, 355}, {270, 362}, {220, 360},
                                  {170, 350}, {120, 338}, {70, 322}, {0, 318}};
    for (Vec2& p : coast)
        p = fit(p);
    const ShapePtr sea = Roughen(Polygon(coast), 805, 18.0f, 5.0f);
    const ShapePtr islands[] = {Ellipse(fit({322, 236}), 7, 20), Ellipse(fit({322, 272}), 10, 26),
                                Polygon({fit({392, 330}), fit({432, 322}), fit({420, 352})}), Ellipse(fit({562, 352}), 27, 8, -0.05f),
                                Ellipse(fit({656, 326}), 15, 8, -0.3f), Ellipse(fit({225, 268}), 12, 7), Ellipse(fit({590, 322}), 5, 5),
                                Ellipse(fit({545, 300}), 4, 4), Ellipse(fit({530, 320}), 3, 4), Ellipse(fit({515, 330}), 4, 3)};
    ShapePtr water = sea;
    for (const ShapePtr& island : islands)
        water = Subtract(water, Roughen(island, 806, 6.0f, 1.5f));
    water = Bake(water, canvas.Width(), canvas.Height());
    const ValueNoise ripples(803);
    canvas.Glow(*water, 16.0f, Rgb(0x8A6A3A, 0.35f));
    canvas.Fill(*water, [&](Vec2 p) {
        const float d = -water->Distance(p);
        const float n = ripples.Fractal(p.x / 40.0f, p.y / 12.0f, 4);
        Colour c = Mix(Rgb(0x6AAAB0), Rgb(0x2C6A8C), Clamp01(d / 40.0f));
        return Shade(c, 0.9f + 0.2f * n);
    });
    // Coastlines drawn twice, as an engraver would.
    canvas.Stroke(*water, 1.6f, Solid(Rgb(0x4A3018, 0.9f)));
    canvas.Stroke(*Inflate(water, -5.0f), 0.8f, Solid(Rgb(0x20506A, 0.45f)));
    // Rivers: the Nile from the south into its delta, the two rivers of the east.
    const ValueNoise bends(807);
    auto river = [&](Vec2 from, Vec2 to, float width) {
        std::vector<Vec2> points;
        for (int i = 0; i <= 24; ++i) {
            const float t = static_cast<float>(i) / 24.0f;
            const Vec2 along = from + (to - from) * t;
            const Vec2 side = Normalised(Vec2{-(to - from).y, (to - from).x});
            points.push_back(along + side * ((bends.Fractal(t * 4.0f, from.x, 3) - 0.5f) * 40.0f * std::sin(t * kPi)));
        }
        canvas.Fill(*Polyline(points, width + 2.0f), Solid(Rgb(0x4A3018, 0.7f)));
        canvas.Fill(*Polyline(points, width), Solid(Rgb(0x4A8AA8)));
    };
    river(fit({632, 520}), fit({614, 402}), 3.0f);
    river(fit({770, 260}), fit({760, 400}), 2.5f);
    river(fit({735, 255}), fit({748, 395}), 2.0f);
    // Hills over the land.
    unsigned state = 804;
    auto next = [&state](float range) {
        state = state * 1664525u + 1013904223u;
        return static_cast<float>(state >> 8) / static_cast<float>(1u << 24) * range;
    };
    for (int i = 0; i < 70; ++i) {
        const Vec2 q{40.0f + next(720.0f), 40.0f + next(520.0f)};
        if (water->Distance(q) < 16.0f)
            continue;
        const ShapePtr hill = Polygon({{q.x - 9.0f, q.y + 4.0f}, {q.x, q.y - 8.0f}, {q.x + 9.0f, q.y + 4.0f}});
        canvas.Fill(*hill, LinearGradient({q.x - 9.0f, 0}, Rgb(0xB89058), {q.x + 9.0f, 0}, Rgb(0x7A5A30)));
        canvas.Stroke(*hill, 0.8f, Solid(Rgb(0x4A3018, 0.7f)));
    }
    // The compass in the open sea.
    const Vec2 compass{110.0f, 510.0f};
    canvas.Fill(*Star(compass, 4, 34.0f, 7.0f), LinearGradient(compass - Vec2{34, 34}, palette::kGoldLight, compass + Vec2{34, 34}, palette::kGoldDark));
    canvas.Fill(*Star(compass, 4, 20.0f, 5.0f, kPi / 4.0f), Solid(palette::kBronze));
    canvas.Stroke(*Circle(compass, 24.0f), 1.5f, Solid(palette::kBronzeDark));
    // The seven places: Phoenicia, Babylon, Egypt, Carthage, Rome, Greece, Troy.
    const Vec2 places[] = {{698, 345}, {752, 372}, {615, 425}, {358, 350}, {378, 232}, {508, 300}, {578, 226}};
    for (const Vec2& place : places) {
        const Vec2 p = fit(place);
        const ShapePtr spot = Circle(p, 10.0f);
        canvas.Shadow(*spot, {1.5f, 2.5f}, 2.5f, Rgb(0x000000, 0.5f));
        canvas.Fill(*spot, RadialGradient(p - Vec2{3, 3}, 14.0f, {{0.0f, Rgb(0xF06040)}, {0.6f, palette::kTerracotta}, {1.0f, palette::kTerracottaDark}}));
        canvas.Stroke(*spot, 3.0f, LinearGradient(p - Vec2{10, 10}, palette::kGoldLight, p + Vec2{10, 10}, palette::kGoldDark));
        canvas.Fill(*Circle(p - Vec2{3.0f, 3.0f}, 2.5f), Solid(Rgb(0xFFFFFF, 0.7f)));
    }
    Vignette(canvas, 0.3f);
    DrawBronzeFrame(canvas, whole, 16.0f, 0.0f, palette::kBronze);
    for (float x : {8.0f, w - 8.0f})
        for (float y : {8.0f, h - 8.0f})
            DrawRosette(canvas, {x, y}, 7.0f, palette::kBronzeLight);
}

void DrawWater(Canvas& canvas, const WaterTones& tones)
{
    const int size = canvas.Width();
    const int cells = 8;
    const float scale = static_cast<float>(size) / static_cast<float>(cells);
    const ValueNoise body(901, cells);
    const ValueNoise caustic(902, cells);
    canvas.FillAll([&](Vec2 p) {
        const float x = (p.x - 0.5f) / scale, y = (p.y - 0.5f) / scale;
        const float n = body.Fractal(x, y, 4);
        const float c = 1.0f - std::fabs(caustic.Fractal(x, y, 3) * 2.0f - 1.0f);
        const Colour colour = Mix(tones.deep, tones.light, n);
        return Mix(colour, tones.glint, std::pow(c, 8.0f) * tones.glintStrength);
    });
}

void DrawSceneFrame(Canvas& canvas)
{
    const Box whole{0.0f, 0.0f, static_cast<float>(canvas.Width()), static_cast<float>(canvas.Height())};
    const float border = 12.0f;
    canvas.Shadow(*Subtract(RoundedRect(whole, 0.0f), RoundedRect(whole.Grown(-border), 6.0f)), {0.0f, 0.0f}, 8.0f,
                  Rgb(0x000000, 0.6f));
    DrawBronzeFrame(canvas, whole, border, 6.0f, palette::kBronze);
    for (float x : {border * 0.5f, whole.right - border * 0.5f})
        for (float y : {border * 0.5f, whole.bottom - border * 0.5f})
            DrawRosette(canvas, {x, y}, 7.0f, palette::kGold);
}

void DrawSceneShip(Canvas& canvas)
{
    const float w = static_cast<float>(canvas.Width());
    const float h = static_cast<float>(canvas.Height());
    // Hull: a curved wooden body with a raised stern and a beak at the bow.
    const ShapePtr hull = Polygon({{w * 0.06f, h * 0.62f}, {w * 0.2f, h * 0.7f}, {w * 0.86f, h * 0.7f},
                                   {w * 0.98f, h * 0.6f}, {w * 0.84f, h * 0.92f}, {w * 0.2f, h * 0.92f}});
    canvas.Fill(*hull, LinearGradient({0.0f, h * 0.62f}, Rgb(0x8A5A30), {0.0f, h * 0.92f}, Rgb(0x4A2A12)));
    canvas.Bevel(*hull, 2.0f, 0.5f);
    canvas.Fill(*Polyline({{w * 0.18f, h * 0.76f}, {w * 0.86f, h * 0.76f}}, 2.0f), Solid(palette::kGold));
    // Oars along the side.
    for (int i = 0; i < 6; ++i) {
        const float x = w * (0.26f + 0.1f * static_cast<float>(i));
        canvas.Fill(*Polyline({{x, h * 0.8f}, {x - w * 0.05f, h * 0.98f}}, 1.5f), Solid(Rgb(0x3A2410)));
    }
    // Mast and a square sail with a red stripe.
    canvas.Fill(*Polyline({{w * 0.5f, h * 0.05f}, {w * 0.5f, h * 0.7f}}, 3.0f), Solid(Rgb(0x5A3A1A)));
    const ShapePtr sail = Polygon({{w * 0.26f, h * 0.1f}, {w * 0.74f, h * 0.1f}, {w * 0.78f, h * 0.56f},
                                   {w * 0.22f, h * 0.56f}});
    canvas.Fill(*sail, LinearGradient({w * 0.2f, 0.0f}, Rgb(0xF4EAD0), {w * 0.8f, 0.0f}, Rgb(0xC8B890)));
    canvas.Fill(*Intersect(Polygon({{w * 0.26f, h * 0.1f}, {w * 0.74f, h * 0.1f}, {w * 0.78f, h * 0.56f},
                                    {w * 0.22f, h * 0.56f}}),
                           RoundedRect(Box{0.0f, h * 0.28f, w, h * 0.38f}, 0.0f)),
                Solid(Rgb(0xB03A2A)));
    canvas.Stroke(*sail, 1.0f, Solid(Rgb(0x6A5A40)));
}
