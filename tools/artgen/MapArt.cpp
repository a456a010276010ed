#include "tools/artgen/MapArt.h"

#include "tools/artgen/Ornaments.h"
#include "tools/artgen/Palette.h"
#include "tools/artgen/SceneArt.h"
#include "tools/artgen/ValueNoise.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr float kPi = 3.14159265f;
constexpr int kChartWidth = 800;
constexpr int kChartHeight = 600;

// The countries' colours on the map, stage 1 to 7.
const Colour kCountry[7] = {Rgb(0xEAF011), Rgb(0x4A59DE), Rgb(0xFFFF54), Rgb(0x53FFFF),
                            Rgb(0xCD33D8), Rgb(0x47E144), Rgb(0xFF8400)};
const char* const kCountryNames[7] = {"Phoenicia", "Babylon", "Egypt", "Carthage", "Rome", "Greece", "Troy"};

// The coast of the inner sea, west to east along the north shore and back
// along the south shore; the sea is open to the west.
const std::vector<Vec2>& CoastPoints()
{
    static const std::vector<Vec2> points = {
        // Iberia and Gaul.
        {-30, 262}, {30, 258}, {62, 240}, {92, 212}, {120, 190}, {152, 176}, {188, 168}, {222, 158}, {250, 165},
        // Italy, down its west coast to the toe and up the Adriatic.
        {268, 180}, {284, 202}, {300, 226}, {318, 250}, {336, 272}, {352, 290}, {362, 296}, {370, 286},
        {380, 272}, {394, 264}, {382, 250}, {366, 232}, {350, 210}, {336, 186}, {322, 160}, {312, 132},
        {318, 116}, {332, 112}, {344, 122},
        // The Balkans, the Peloponnese and the Aegean up to Thrace.
        {358, 142}, {374, 166}, {390, 190}, {404, 214}, {416, 238}, {426, 262}, {430, 282}, {440, 298},
        {452, 306}, {464, 300}, {470, 284}, {474, 262}, {482, 238}, {492, 214}, {504, 192}, {518, 176},
        {536, 166}, {552, 166}, {562, 178},
        // Anatolia, the Levant.
        {566, 198}, {572, 220}, {578, 242}, {586, 262}, {604, 272}, {624, 276}, {636, 282}, {640, 300},
        {638, 326}, {634, 352}, {628, 378}, {620, 402},
        // Egypt, Libya, Carthage and the west of Africa.
        {600, 412}, {578, 408}, {560, 416}, {542, 410}, {520, 416}, {492, 414}, {466, 408}, {444, 418},
        {420, 428}, {396, 420}, {376, 414}, {354, 410}, {336, 404}, {314, 400}, {290, 402}, {268, 396},
        {232, 392}, {196, 386}, {160, 376}, {124, 366}, {90, 354}, {56, 340}, {20, 328}, {-30, 322}};
    return points;
}

struct Island {
    Vec2 centre;
    float rx, ry, angle;
};

const Island kIslands[] = {
    {{338, 316}, 18, 8, 0.1f},  // Sicily
    {{248, 228}, 7, 20, 0.0f},  // Sardinia
    {{252, 192}, 6, 11, 0.0f},  // Corsica
    {{500, 330}, 26, 6, -0.05f}, // Crete
    {{604, 318}, 16, 6, -0.2f}, // Cyprus
    {{160, 236}, 9, 5, 0.3f},   // the Balearics
    {{578, 292}, 5, 4, 0.0f},   // Rhodes
    {{518, 262}, 4, 3, 0.0f},   {{530, 242}, 3, 3, 0.0f}, {{508, 282}, 3, 4, 0.0f},
};

// The two rivers of the east, meeting before the gulf, and the Nile.
const std::vector<Vec2> kEuphrates = {{700, 150}, {706, 200}, {714, 250}, {724, 300}, {734, 350}, {744, 400}, {756, 430}};
const std::vector<Vec2> kTigris = {{774, 140}, {770, 200}, {766, 260}, {764, 320}, {762, 380}, {758, 420}, {756, 430}};
const std::vector<Vec2> kGulf = {{756, 430}, {772, 446}, {800, 458}};
const std::vector<Vec2> kNile = {{546, 600}, {550, 540}, {556, 480}, {564, 440}, {572, 412}};

// The cartouche of the level texts (the view port of levelTexts.xml).
const Box kTextCartouche{166, 444, 534, 592};

Box Whole(const Canvas& canvas)
{
    return {0.0f, 0.0f, static_cast<float>(canvas.Width()), static_cast<float>(canvas.Height())};
}

// A smooth line through the points.
std::vector<Vec2> Smooth(const std::vector<Vec2>& points, int steps)
{
    std::vector<Vec2> out;
    for (size_t i = 0; i + 1 < points.size(); ++i) {
        const Vec2 p0 = points[i == 0 ? 0 : i - 1], p1 = points[i], p2 = points[i + 1];
        const Vec2 p3 = points[std::min(points.size() - 1, i + 2)];
        for (int s = 0; s < steps; ++s) {
            const float t = static_cast<float>(s) / static_cast<float>(steps);
            const float t2 = t * t, t3 = t2 * t;
            out.push_back((p1 * 2.0f + (p2 - p0) * t + (p0 * 2.0f - p1 * 5.0f + p2 * 4.0f - p3) * t2 +
                           (p1 * 3.0f - p0 - p2 * 3.0f + p3) * t3) *
                          0.5f);
        }
    }
    out.push_back(points.back());
    return out;
}

void DrawRiver(Canvas& canvas, const std::vector<Vec2>& course, float width)
{
    const std::vector<Vec2> line = Smooth(course, 8);
    canvas.Fill(*Polyline(line, width + 2.0f), Solid(Rgb(0x4A3018, 0.7f)));
    canvas.Fill(*Polyline(line, width), Solid(Rgb(0x4A8AA8)));
}

// The sea's colour at a depth (pixels from the coast).
Colour SeaColour(float depth, float ripple)
{
    const Colour shallow = Rgb(0x2E7E96), deep = Rgb(0x0C2C52);
    return Shade(Mix(shallow, deep, Clamp01(depth / 60.0f)), 0.92f + 0.16f * ripple);
}

} // namespace

const Shape& ChartWater()
{
    static const ShapePtr water = [] {
        ShapePtr sea = Roughen(Polygon(CoastPoints()), 805, 16.0f, 3.5f);
        for (const Island& island : kIslands)
            sea = Subtract(sea, Roughen(Ellipse(island.centre, island.rx, island.ry, island.angle), 806, 6.0f, 1.2f));
        return Bake(sea, kChartWidth, kChartHeight);
    }();
    return *water;
}

void DrawChartLand(Canvas& canvas)
{
    const Shape& water = ChartWater();
    const Box whole = Whole(canvas);
    const float w = whole.Width(), h = whole.Height();
    canvas.FillAll(Papyrus(palette::kPapyrus, 801));
    canvas.FillAll(Mottled(Solid(Rgb(0xC8A870, 0.35f)), 802, 70.0f, 0.5f));
    canvas.Glow(water, 14.0f, Rgb(0x8A6A3A, 0.3f));

    // Rivers, then the hills where the land is open.
    DrawRiver(canvas, kEuphrates, 2.5f);
    DrawRiver(canvas, kTigris, 2.5f);
    DrawRiver(canvas, kGulf, 5.0f);
    DrawRiver(canvas, kNile, 3.0f);
    unsigned state = 804;
    auto next = [&state](float range) {
        state = state * 1664525u + 1013904223u;
        return static_cast<float>(state >> 8) / static_cast<float>(1u << 24) * range;
    };
    // Hills stay off the coasts and the inland roads, and out from under the
    // cartouche, the corner tip, the buttons and the caption.
    const Box keepClear[] = {kTextCartouche.Grown(8.0f), {16, 16, 200, 180}, {584, 476, 792, 590}, {600, 14, 790, 60},
                             {650, 260, 704, 444}, {724, 150, 772, 430}, {556, 430, 592, 592}, {520, 96, 790, 136},
                             {136, 74, 464, 151}};
    for (int i = 0; i < 90; ++i) {
        const Vec2 q{30.0f + next(740.0f), 30.0f + next(540.0f)};
        if (water.Distance(q) < 32.0f)
            continue;
        bool clear = true;
        for (const Box& box : keepClear)
            clear = clear && !(q.x > box.left && q.x < box.right && q.y > box.top && q.y < box.bottom);
        if (!clear)
            continue;
        const ShapePtr hill = Polygon({{q.x - 8.0f, q.y + 4.0f}, {q.x, q.y - 7.0f}, {q.x + 8.0f, q.y + 4.0f}});
        canvas.Fill(*hill, LinearGradient({q.x - 8.0f, 0}, Rgb(0xB89058), {q.x + 8.0f, 0}, Rgb(0x7A5A30)));
        canvas.Stroke(*hill, 0.8f, Solid(Rgb(0x4A3018, 0.6f)));
    }

    // The sea cut out: clear, but for the shallows that tint it along the coast.
    const ValueNoise ripples(803);
    canvas.Transform([&](Colour c, int x, int y) {
        const Vec2 p{static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f};
        const float d = water.Distance(p);
        if (d > 0.5f)
            return c;
        const float land = Clamp01(0.5f + d);
        const float depth = -d;
        const float shallows = 0.45f * (1.0f - SmoothStep(0.0f, 16.0f, depth)) *
                               (0.8f + 0.4f * ripples.Fractal(p.x / 30.0f, p.y / 10.0f, 3));
        const Colour sand = WithAlpha(Rgb(0xBFE6DA), shallows);
        const float a = land * c.a + (1.0f - land) * sand.a;
        if (a <= 0.0f)
            return Colour{0, 0, 0, 0};
        const Colour mixed = Mix(sand, c, land);
        return WithAlpha(mixed, a);
    });
    // Coastlines drawn twice, as an engraver would.
    canvas.Stroke(water, 1.6f, Solid(Rgb(0x4A3018, 0.9f)));

    // The compass on the land of the west.
    const Vec2 compass{92.0f, 506.0f};
    canvas.Fill(*Star(compass, 4, 34.0f, 7.0f), LinearGradient(compass - Vec2{34, 34}, palette::kGoldLight, compass + Vec2{34, 34}, palette::kGoldDark));
    canvas.Fill(*Star(compass, 4, 20.0f, 5.0f, kPi / 4.0f), Solid(palette::kBronze));
    canvas.Stroke(*Circle(compass, 24.0f), 1.5f, Solid(palette::kBronzeDark));

    // The cartouche that frames the level texts.
    const ShapePtr cartouche = RoundedRect(kTextCartouche, 10.0f);
    canvas.Shadow(*cartouche, {3.0f, 4.0f}, 5.0f, Rgb(0x000000, 0.35f));
    canvas.Fill(*cartouche, Papyrus(Rgb(0xF0DDB0), 811));
    canvas.Stroke(*Inflate(cartouche, -4.0f), 1.0f, Solid(Rgb(0x6A4A20, 0.8f)));
    canvas.Stroke(*cartouche, 2.5f, LinearGradient({kTextCartouche.left, kTextCartouche.top}, palette::kBronzeLight,
                                                   {kTextCartouche.right, kTextCartouche.bottom}, palette::kBronzeDark));
    for (float x : {kTextCartouche.left, kTextCartouche.right})
        for (float y : {kTextCartouche.top, kTextCartouche.bottom})
            DrawRosette(canvas, {x, y}, 6.0f, palette::kBronzeLight);

    DrawBronzeFrame(canvas, whole, 14.0f, 0.0f, palette::kBronze);
    for (float x : {7.0f, w - 7.0f})
        for (float y : {7.0f, h - 7.0f})
            DrawRosette(canvas, {x, y}, 6.0f, palette::kBronzeLight);
}

void DrawChartSea(Canvas& canvas)
{
    const Shape& water = ChartWater();
    const ValueNoise ripples(809);
    canvas.FillAll([&](Vec2 p) {
        const float depth = std::max(0.0f, -water.Distance(p));
        const Colour sea = SeaColour(depth, ripples.Fractal(p.x / 50.0f, p.y / 16.0f, 4));
        // Left of x 40 the map adds no shimmer: the sea there gets its mean light.
        const float unlit = 1.0f - SmoothStep(34.0f, 40.0f, p.x);
        return Colour{Clamp01(sea.r + 0.1f * unlit), Clamp01(sea.g + 0.15f * unlit), Clamp01(sea.b + 0.17f * unlit), 1.0f};
    });
}

void DrawChart(Canvas& canvas)
{
    DrawChartSea(canvas);
    Canvas land(canvas.Width(), canvas.Height());
    DrawChartLand(land);
    canvas.Draw(land, 0, 0);
}

void DrawSeaShimmer(Canvas& canvas)
{
    FillTilingWater(canvas, [](float glow, float c) {
        const float light = std::pow(c, 6.0f);
        return Colour{0.6f, 0.88f, 1.0f, Clamp01(0.01f + 0.02f * glow + 0.09f * light)};
    });
}

void DrawWaypointSheet(Canvas& canvas)
{
    // A cell is 64 x 32; its halves 32 x 32 with the symbol in the middle.
    auto centre = [](int column, int row, bool firstLevel) {
        return Vec2{static_cast<float>(column * 64 + (firstLevel ? 16 : 48)), static_cast<float>(row * 32 + 16)};
    };
    auto marker = [&](Vec2 c, const Colour& colour, bool firstLevel) {
        if (firstLevel) {
            // A small tower: the first level of a country.
            const ShapePtr tower = RoundedRect({c.x - 7.0f, c.y - 9.0f, c.x + 7.0f, c.y + 9.0f}, 2.0f);
            canvas.Shadow(*tower, {1.0f, 1.5f}, 1.5f, Rgb(0x000000, 0.5f));
            canvas.Fill(*tower, LinearGradient({c.x - 7.0f, 0}, Shade(colour, 1.15f), {c.x + 7.0f, 0}, Shade(colour, 0.6f)));
            canvas.Stroke(*tower, 1.4f, Solid(Rgb(0x3A2410)));
            for (float dx : {-4.0f, 0.0f, 4.0f})
                canvas.Fill(*RoundedRect({c.x + dx - 1.5f, c.y - 12.0f, c.x + dx + 1.5f, c.y - 8.0f}, 0.5f), Solid(Rgb(0x3A2410)));
            canvas.Fill(*RoundedRect({c.x - 2.0f, c.y + 2.0f, c.x + 2.0f, c.y + 9.0f}, 2.0f), Solid(Rgb(0x2A1808)));
        } else {
            const ShapePtr disc = Circle(c, 6.0f);
            canvas.Shadow(*disc, {1.0f, 1.5f}, 1.5f, Rgb(0x000000, 0.5f));
            canvas.Fill(*disc, RadialGradient(c - Vec2{2, 2}, 9.0f, {{0.0f, Shade(colour, 1.3f)}, {1.0f, Shade(colour, 0.65f)}}));
            canvas.Stroke(*disc, 1.4f, Solid(Rgb(0x3A2410)));
        }
    };
    for (int s = 0; s < 7; ++s)
        for (bool first : {true, false})
            marker(centre(0, s, first), kCountry[s], first);
    // The current level: a golden ring around a bright heart.
    for (bool first : {true, false}) {
        const Vec2 c = centre(1, 0, first);
        const float r = first ? 12.0f : 10.0f;
        canvas.Glow(*Circle(c, r - 2.0f), 4.0f, Rgb(0xFFF0A0, 0.6f));
        canvas.Stroke(*Circle(c, r - 2.0f), 3.0f, LinearGradient(c - Vec2{r, r}, palette::kGoldLight, c + Vec2{r, r}, palette::kGoldDark));
        canvas.Fill(*Circle(c, r - 6.0f), RadialGradient(c - Vec2{1, 1}, r - 4.0f, {{0.0f, Rgb(0xFFFFFF)}, {1.0f, palette::kGold}}));
    }
    // Locked levels: grey stone.
    for (bool first : {true, false})
        marker(centre(1, 1, first), Rgb(0x8A8478), first);
    // The light's glow.
    const Vec2 glow = centre(1, 2, true);
    canvas.Fill(*Circle(glow, 16.0f), RadialGradient(glow, 16.0f, {{0.0f, Rgb(0xFFFFFF, 1.0f)}, {0.35f, Rgb(0xFFFFFF, 0.6f)}, {1.0f, Rgb(0xFFFFFF, 0.0f)}}));
}

void DrawMapFlag(Canvas& canvas)
{
    // The pole: wood with a golden knob, at the right of its 14 columns so
    // that the cloth, which starts at column 14, hangs from it.
    const ShapePtr pole = RoundedRect({10.0f, 8.0f, 14.0f, 64.0f}, 1.5f);
    canvas.Fill(*pole, LinearGradient({10.0f, 0.0f}, Rgb(0xB08050), {14.0f, 0.0f}, Rgb(0x5A3A1A)));
    const ShapePtr knob = Circle({11.5f, 5.0f}, 3.5f);
    canvas.Fill(*knob, RadialGradient({10.5f, 4.0f}, 5.0f, {{0.0f, palette::kGoldLight}, {1.0f, palette::kGoldDark}}));
    // The cloth: red, a dark border and a dark sun in the middle.
    const Box cloth{14.0f, 0.0f, 64.0f, 32.0f};
    canvas.Fill(*RoundedRect(cloth, 0.0f), Solid(Rgb(0xD01818)));
    canvas.Stroke(*RoundedRect(cloth.Grown(-2.0f), 0.0f), 2.0f, Solid(Rgb(0x300404)));
    const Vec2 sun{39.0f, 16.0f};
    canvas.Fill(*Star(sun, 8, 10.0f, 6.0f), Solid(Rgb(0x300404)));
    canvas.Fill(*Circle(sun, 4.0f), Solid(Rgb(0xD01818)));
}

void DrawCountryBadges(Canvas& canvas, TitleLetterer& serifBold, bool lit)
{
    for (int s = 0; s < 7; ++s) {
        const float top = static_cast<float>(s * 32);
        const Box ribbon{6.0f, top + 5.0f, 122.0f, top + 27.0f};
        // A ribbon with notched ends.
        const ShapePtr shape = Polygon({{ribbon.left - 4.0f, ribbon.top}, {ribbon.right + 4.0f, ribbon.top},
                                        {ribbon.right - 2.0f, (ribbon.top + ribbon.bottom) * 0.5f},
                                        {ribbon.right + 4.0f, ribbon.bottom}, {ribbon.left - 4.0f, ribbon.bottom},
                                        {ribbon.left + 2.0f, (ribbon.top + ribbon.bottom) * 0.5f}});
        canvas.Shadow(*shape, {1.0f, 2.0f}, 2.0f, Rgb(0x000000, 0.45f));
        if (lit) {
            canvas.Fill(*shape, LinearGradient({0.0f, ribbon.top}, Shade(kCountry[s], 1.1f), {0.0f, ribbon.bottom}, Shade(kCountry[s], 0.6f)));
            canvas.Stroke(*shape, 1.5f, Solid(palette::kGoldLight));
        } else {
            canvas.Fill(*shape, LinearGradient({0.0f, ribbon.top}, Rgb(0xF2E2BC), {0.0f, ribbon.bottom}, Rgb(0xC8A872)));
            canvas.Stroke(*shape, 1.2f, Solid(Rgb(0x6A4A20)));
            canvas.Fill(*RoundedRect({ribbon.left + 4.0f, ribbon.top + 3.0f, ribbon.left + 9.0f, ribbon.bottom - 3.0f}, 2.0f),
                        Solid(kCountry[s]));
            canvas.Fill(*RoundedRect({ribbon.right - 9.0f, ribbon.top + 3.0f, ribbon.right - 4.0f, ribbon.bottom - 3.0f}, 2.0f),
                        Solid(kCountry[s]));
        }
        LetteringStyle style;
        if (lit) {
            style.fill = {{0.0f, Rgb(0xFFFFFF)}, {1.0f, palette::kGoldLight}};
            style.outline = palette::kInk;
            style.outlineWidth = 1;
        } else {
            style.fill = {{0.0f, Rgb(0x4A2A10)}, {1.0f, palette::kInk}};
        }
        DrawLettering(canvas, serifBold, kCountryNames[s], 15, 1, {64.0f, top + 6.0f}, style);
    }
}

void DrawArtefactLight(Canvas& canvas)
{
    const Vec2 c{128.0f, 128.0f};
    const ValueNoise noise(851);
    canvas.FillAll([&](Vec2 p) {
        const Vec2 d = p - c;
        const float r = Length(d) / 128.0f;
        const float angle = std::atan2(d.y, d.x);
        const float rays = std::pow(std::fabs(std::sin(angle * 6.0f + noise.At(angle * 3.0f + 10.0f, 0.5f) * 2.0f)), 6.0f);
        const float fade = Clamp01(1.0f - r);
        const float a = Clamp01((0.25f + 0.75f * rays) * fade * fade + 0.5f * std::pow(fade, 6.0f));
        return Colour{1.0f, 1.0f, 1.0f, a};
    });
}

void DrawArtefactShard(Canvas& canvas, int frame)
{
    // The outline the map's hit test uses, counted from the picture's
    // bottom-left corner 32 pixels in, y upward.
    const Vec2 corners[] = {{41, 5}, {59, 50}, {36, 71}, {7, 64}, {0, 34}};
    std::vector<Vec2> outline;
    for (const Vec2& v : corners)
        outline.push_back({32.0f + v.x, 128.0f - 32.0f - v.y});
    const ShapePtr shard = Inflate(Polygon(outline), -1.0f);
    canvas.Shadow(*shard, {3.0f, 4.0f}, 4.0f, Rgb(0x000000, 0.55f));
    canvas.Fill(*shard, LinearGradient({32.0f, 25.0f}, palette::kGoldLight, {92.0f, 92.0f}, palette::kGoldDark));
    canvas.Fill(*shard, Grain(852, 6.0f, 6.0f, 0.25f));
    // Engraved: a half sun and lines, as on a broken tablet.
    const Vec2 mid{61.0f, 60.0f};
    canvas.Fill(*Arc(mid, 14.0f, 2.5f, kPi, 2.0f * kPi), Solid(Rgb(0x5A3A08, 0.8f)));
    for (int i = 0; i < 5; ++i) {
        const float a = kPi + kPi * (static_cast<float>(i) + 0.5f) / 5.0f;
        canvas.Fill(*Polyline({mid + Vec2{std::cos(a), std::sin(a)} * 18.0f, mid + Vec2{std::cos(a), std::sin(a)} * 24.0f}, 2.0f),
                    Solid(Rgb(0x5A3A08, 0.8f)));
    }
    canvas.Fill(*Polyline({{44.0f, 70.0f}, {80.0f, 74.0f}}, 2.0f), Solid(Rgb(0x5A3A08, 0.7f)));
    canvas.Bevel(*shard, 4.0f, 0.8f);
    canvas.Stroke(*shard, 1.5f, Solid(Rgb(0x4A2A08)));
    // The glint crosses from the upper left to the lower right.
    const float along = -40.0f + 14.0f * static_cast<float>(frame);
    canvas.Fill(*shard, [along](Vec2 p) {
        const float d = (p.x - 32.0f) + (p.y - 25.0f) - along * 1.6f;
        const float glint = std::exp(-d * d / 60.0f);
        return Colour{1.0f, 1.0f, 0.9f, 0.85f * glint};
    });
}

void DrawIslandTitle(Canvas& canvas, TitleLetterer& serifBold)
{
    LetteringStyle title = GoldTitleLettering();
    title.shadowOffset = {3.0f, 4.0f};
    title.glow = Rgb(0xFFF0B0, 0.5f);
    title.glowRadius = 12;
    DrawLettering(canvas, serifBold, "Velmora", 72, 3, {static_cast<float>(canvas.Width()) * 0.5f, 10.0f}, title);
}

void DrawSeaName(Canvas& canvas, TitleLetterer& serif)
{
    LetteringStyle style;
    style.fill = {{0.0f, Rgb(0xD8F0F8, 0.85f)}, {1.0f, Rgb(0xA8D0E0, 0.85f)}};
    style.shadow = Rgb(0x06203A, 0.6f);
    style.shadowBlur = 2;
    style.shadowOffset = {1.0f, 1.0f};
    DrawLettering(canvas, serif, "The Inner Sea", 20, 3, {static_cast<float>(canvas.Width()) * 0.5f, 2.0f}, style);
}

void DrawBonusIcons(Canvas& canvas, TitleLetterer& serifBold)
{
    const char* const letters[5] = {"L", "T", "R", "B", "V"};
    const Colour colours[5] = {Rgb(0xF2C040), Rgb(0xD84030), Rgb(0x40A0E0), Rgb(0x50C050), Rgb(0xE060C0)};
    for (int b = 0; b < 5; ++b) {
        const Vec2 c{static_cast<float>(b * 20) + 10.0f, 10.0f};
        const ShapePtr gem = Circle(c, 8.5f);
        canvas.Fill(*gem, RadialGradient(c - Vec2{3, 3}, 12.0f, {{0.0f, Shade(colours[b], 1.4f)}, {1.0f, Shade(colours[b], 0.55f)}}));
        canvas.Stroke(*gem, 1.2f, Solid(Rgb(0x2A1808)));
        LetteringStyle style;
        style.fill = {{0.0f, Rgb(0xFFFFFF)}, {1.0f, Rgb(0xF0F0F0)}};
        style.outline = Rgb(0x2A1808);
        style.outlineWidth = 1;
        DrawLettering(canvas, serifBold, letters[b], 11, 0, {c.x, 2.0f}, style);
    }
}

void DrawWaveRing(Canvas& canvas)
{
    const float half = static_cast<float>(canvas.Width()) * 0.5f;
    const Vec2 c{half, half};
    const ValueNoise foam(861);
    canvas.FillAll([&](Vec2 p) {
        const Vec2 d = p - c;
        const float r = Length(d) / half;
        const float angle = std::atan2(d.y, d.x);
        const float ring = std::exp(-std::pow((r - 0.78f) / 0.09f, 2.0f));
        const float crest = 0.6f + 0.4f * foam.Fractal(angle * 6.0f + 20.0f, r * 8.0f, 3);
        return Colour{1.0f, 1.0f, 1.0f, Clamp01(ring * crest)};
    });
}
