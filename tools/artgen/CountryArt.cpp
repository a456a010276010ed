#include "tools/artgen/CountryArt.h"

#include "tools/artgen/ArtefactArt.h"
#include "tools/artgen/Ornaments.h"
#include "tools/artgen/Palette.h"
#include "tools/artgen/ValueNoise.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

namespace {

constexpr float kPi = 3.14159265f;
constexpr float kW = 800.0f;
constexpr float kH = 600.0f;
// Where the scene starts, right of the side panel.
constexpr float kSceneLeft = 268.0f;

// A number 0..1 from an integer, spread evenly: for scattering things.
float Scatter(unsigned n)
{
    n = (n << 13u) ^ n;
    n = n * (n * n * 15731u + 789221u) + 1376312589u;
    return static_cast<float>(n & 0x7fffffffu) / 2147483647.0f;
}

// ---- Light, air and water ----

// A sky from the top of the picture down to the horizon (the last colour
// below it).
void PaintSky(Canvas& canvas, float horizon, std::vector<ColourStop> stops)
{
    canvas.FillAll(LinearGradient({0.0f, 0.0f}, {0.0f, horizon}, std::move(stops)));
}

// A sun with its halo.
void PaintSun(Canvas& canvas, Vec2 at, float radius, const Colour& core, const Colour& halo, float haloRadius)
{
    canvas.Fill(*Circle(at, haloRadius), RadialGradient(at, haloRadius, {{0.0f, halo}, {1.0f, WithAlpha(halo, 0.0f)}}));
    canvas.Fill(*Circle(at, radius), RadialGradient(at, radius, {{0.0f, Shade(core, 1.1f)}, {1.0f, core}}));
}

// Drifting clouds in a band: lit on their upper side, shaded below.
void PaintClouds(Canvas& canvas, const Box& band, const Colour& lit, const Colour& shade, unsigned seed, float cover)
{
    const ValueNoise shape(seed), light(seed + 1);
    canvas.Fill(*RoundedRect(band, 0.0f), [&](Vec2 p) {
        const float n = shape.Fractal(p.x / 150.0f, p.y / 34.0f, 5);
        const float edge = SmoothStep(band.top, band.top + 30.0f, p.y) * (1.0f - SmoothStep(band.bottom - 40.0f, band.bottom, p.y));
        const float a = SmoothStep(1.0f - cover, 1.0f - cover + 0.22f, n) * edge;
        const float up = light.Fractal(p.x / 150.0f, (p.y - 6.0f) / 34.0f, 5);
        return WithAlpha(Mix(shade, lit, Clamp01(0.5f + (n - up) * 4.0f)), a * 0.9f);
    });
}

// Stars on a night sky, brighter ones with a small glow.
void PaintStars(Canvas& canvas, const Box& band, int count, unsigned seed)
{
    for (int i = 0; i < count; ++i) {
        const unsigned k = seed * 97u + static_cast<unsigned>(i) * 3u;
        const Vec2 at{band.left + band.Width() * Scatter(k), band.top + band.Height() * Scatter(k + 1u)};
        const float size = 0.6f + 1.2f * Scatter(k + 2u) * Scatter(k + 2u);
        canvas.Fill(*Circle(at, size), Solid(Rgb(0xF0F4FF, 0.9f)));
        if (size > 1.4f)
            canvas.Fill(*Circle(at, size * 4.0f), RadialGradient(at, size * 4.0f, {{0.0f, Rgb(0xC8D8FF, 0.35f)}, {1.0f, Rgb(0xC8D8FF, 0.0f)}}));
    }
}

// Water from its horizon down to the bottom: far colour at the horizon, near
// at the bottom, ripples, and the light's glitter on a path under lightX.
void PaintWater(Canvas& canvas, float horizon, float bottom, const Colour& far, const Colour& near, const Colour& glitter,
                float lightX, unsigned seed)
{
    const ValueNoise waves(seed);
    canvas.Fill(*RoundedRect({0.0f, horizon, kW, bottom}, 0.0f), [&](Vec2 p) {
        const float depth = Clamp01((p.y - horizon) / std::max(1.0f, bottom - horizon));
        Colour c = Mix(far, near, std::sqrt(depth));
        const float ripple = waves.Fractal(p.x / (40.0f + 120.0f * depth), p.y / (3.0f + 12.0f * depth), 4);
        c = Shade(c, 0.86f + 0.28f * ripple);
        const float path = std::exp(-std::pow((p.x - lightX) / (30.0f + 160.0f * depth), 2.0f));
        return Mix(c, glitter, Clamp01(SmoothStep(0.58f, 0.78f, ripple) * path * 0.85f));
    });
}

// A hill from left to right on the base line, rising to its crest (a
// point between), its outline worn by noise.
ShapePtr Hill(float left, float right, float baseY, Vec2 crest, unsigned seed)
{
    std::vector<Vec2> points{{left, baseY + 40.0f}, {left, baseY}};
    for (float t = 0.0f; t <= 1.0f; t += 0.05f) {
        const float x = left + (crest.x - left) * t;
        points.push_back({x, baseY + (crest.y - baseY) * std::sin(t * kPi * 0.5f)});
    }
    for (float t = 0.05f; t <= 1.0f; t += 0.05f) {
        const float x = crest.x + (right - crest.x) * t;
        points.push_back({x, crest.y + (baseY - crest.y) * (1.0f - std::cos(t * kPi * 0.5f))});
    }
    points.push_back({right, baseY + 40.0f});
    return Roughen(Polygon(std::move(points)), seed, 18.0f, 4.0f);
}

// ---- Growing things ----

// A cedar: a dark trunk and flat tiers of needles, wider below.
void PaintCedar(Canvas& canvas, Vec2 base, float height, const Colour& green, unsigned seed)
{
    const ValueNoise jitter(seed);
    canvas.Fill(*Polygon({{base.x - 3.0f, base.y}, {base.x + 3.0f, base.y}, {base.x + 1.5f, base.y - height}, {base.x - 1.5f, base.y - height}}),
                Solid(Rgb(0x2A1810)));
    const int tiers = 5;
    for (int t = 0; t < tiers; ++t) {
        const float ft = static_cast<float>(t);
        const float y = base.y - height * (0.22f + 0.17f * ft);
        const float half = height * (0.46f - 0.075f * ft) * (0.85f + 0.3f * jitter.At(ft * 3.1f, 0.5f));
        const ShapePtr tier = Roughen(Ellipse({base.x + (jitter.At(ft, 4.0f) - 0.5f) * 6.0f, y}, half, height * 0.055f), seed + static_cast<unsigned>(t), 5.0f, 2.0f);
        canvas.Shadow(*tier, {2.0f, 3.0f}, 3.0f, Rgb(0x000000, 0.3f));
        canvas.Fill(*tier, LinearGradient({0.0f, y - height * 0.06f}, Shade(green, 1.35f), {0.0f, y + height * 0.06f}, Shade(green, 0.6f)));
    }
}

// A date palm: a curved trunk and a crown of hanging fronds.
void PaintPalm(Canvas& canvas, Vec2 base, float height, float lean, const Colour& trunk, const Colour& leaves)
{
    std::vector<Vec2> spine;
    for (int i = 0; i <= 12; ++i) {
        const float t = static_cast<float>(i) / 12.0f;
        spine.push_back({base.x + lean * height * t * t, base.y - height * t});
    }
    for (std::size_t i = 0; i + 1 < spine.size(); ++i) {
        const float width = 7.0f - 3.0f * static_cast<float>(i) / 12.0f;
        const ShapePtr piece = Polyline({spine[i], spine[i + 1]}, width);
        canvas.Fill(*piece, LinearGradient(spine[i] - Vec2{width, 0.0f}, Shade(trunk, 1.3f), spine[i] + Vec2{width, 0.0f}, Shade(trunk, 0.6f)));
        canvas.Fill(*Polyline({spine[i] + Vec2{-width * 0.5f, -1.0f}, spine[i] + Vec2{width * 0.5f, 1.0f}}, 1.0f), Solid(Shade(trunk, 0.5f)));
    }
    const Vec2 crown = spine.back();
    for (int f = 0; f < 9; ++f) {
        const float a = -kPi * 0.95f + kPi * 1.9f * static_cast<float>(f) / 8.0f;
        const float length = height * (0.34f + 0.08f * static_cast<float>(f % 3));
        std::vector<Vec2> frond;
        for (int k = 0; k <= 6; ++k) {
            const float t = static_cast<float>(k) / 6.0f;
            const Vec2 dir{std::cos(a), std::sin(a) * 0.45f - 0.25f};
            frond.push_back(crown + dir * (length * t) + Vec2{0.0f, length * 0.55f * t * t});
        }
        const ShapePtr blade = Polyline(frond, 3.5f);
        canvas.Fill(*blade, Solid(Shade(leaves, 0.75f + 0.1f * static_cast<float>(f % 3))));
        for (std::size_t k = 1; k < frond.size(); ++k) {
            const Vec2 c = frond[k];
            canvas.Fill(*Polyline({c, c + Vec2{-4.0f, 7.0f}}, 1.6f), Solid(Shade(leaves, 0.9f)));
            canvas.Fill(*Polyline({c, c + Vec2{4.0f, 7.0f}}, 1.6f), Solid(Shade(leaves, 0.7f)));
        }
    }
    canvas.Fill(*Circle(crown, 5.0f), Solid(Shade(trunk, 0.8f)));
}

// A cypress: a tall dark flame of green.
void PaintCypress(Canvas& canvas, Vec2 base, float height, const Colour& green, unsigned seed)
{
    const float w = height * 0.13f;
    const ShapePtr body = Roughen(Polygon({{base.x - w * 0.6f, base.y}, {base.x - w, base.y - height * 0.35f}, {base.x, base.y - height},
                                           {base.x + w, base.y - height * 0.35f}, {base.x + w * 0.6f, base.y}}),
                                  seed, 6.0f, 2.5f);
    canvas.Shadow(*body, {3.0f, 2.0f}, 4.0f, Rgb(0x000000, 0.3f));
    canvas.Fill(*body, LinearGradient({base.x - w, 0.0f}, Shade(green, 1.3f), {base.x + w, 0.0f}, Shade(green, 0.55f)));
}

// An olive tree: a twisted trunk and a crown of silvery clumps.
void PaintOlive(Canvas& canvas, Vec2 base, float size, unsigned seed)
{
    const Colour bark = Rgb(0x5A4A38);
    canvas.Fill(*Polygon({{base.x - size * 0.12f, base.y}, {base.x + size * 0.12f, base.y}, {base.x + size * 0.05f, base.y - size * 0.5f},
                          {base.x + size * 0.18f, base.y - size * 0.8f}, {base.x - size * 0.02f, base.y - size * 0.75f},
                          {base.x - size * 0.08f, base.y - size * 0.45f}}),
                LinearGradient({base.x - size * 0.12f, 0.0f}, Shade(bark, 1.3f), {base.x + size * 0.12f, 0.0f}, Shade(bark, 0.6f)));
    const ValueNoise place(seed);
    for (int i = 0; i < 9; ++i) {
        const float fi = static_cast<float>(i);
        const Vec2 c{base.x + size * (place.At(fi * 1.7f, 0.5f) - 0.5f) * 1.1f, base.y - size * (0.75f + 0.35f * place.At(fi * 2.3f, 5.0f))};
        const float r = size * (0.16f + 0.08f * place.At(fi, 9.0f));
        const ShapePtr clump = Roughen(Ellipse(c, r * 1.3f, r), seed + static_cast<unsigned>(i), 4.0f, 2.0f);
        canvas.Fill(*clump, RadialGradient(c - Vec2{r * 0.4f, r * 0.5f}, r * 1.8f, {{0.0f, Rgb(0xB8C4A0)}, {0.6f, Rgb(0x7A8A5A)}, {1.0f, Rgb(0x4A5A38)}}));
    }
}

// ---- Stone and buildings ----

// A wall of ashlar blocks in the box: courses of the given height, joints
// staggered, each block a little different.
Paint Ashlar(const Colour& stone, float course, float block, unsigned seed)
{
    const ValueNoise vary(seed), grain(seed + 1);
    return [=](Vec2 p) {
        const float row = std::floor(p.y / course);
        const float shift = std::fmod(row, 2.0f) * block * 0.5f;
        const float col = std::floor((p.x + shift) / block);
        const float fy = p.y - row * course, fx = p.x + shift - col * block;
        const float joint = std::min({fy, course - fy, fx, block - fx});
        const float tone = 0.82f + 0.3f * vary.At(col * 3.7f, row * 2.9f) + 0.12f * (grain.Fractal(p.x / 9.0f, p.y / 9.0f, 3) - 0.5f);
        Colour c = Shade(stone, tone);
        // The upper and left edges of a block catch the light.
        if (fy < 2.0f || fx < 2.0f)
            c = Shade(c, 1.12f);
        return joint < 1.0f ? Shade(stone, 0.4f) : c;
    };
}

// Paving seen from above and in front: courses taller and blocks wider
// towards the bottom, the joints running to a point far up the middle.
Paint Paving(const Colour& stone, float top, float bottom, float rows, unsigned seed)
{
    const ValueNoise vary(seed);
    return [=](Vec2 p) {
        const float t = Clamp01((p.y - top) / (bottom - top));
        const float u = std::pow(t, 0.7f) * rows;
        const float row = std::floor(u), fy = u - row;
        const float spread = 0.25f + 0.75f * t;
        const float across = (p.x - 537.0f) / spread / 48.0f + (std::fmod(row, 2.0f) * 0.5f);
        const float col = std::floor(across), fx = across - col;
        const float jointY = std::min(fy, 1.0f - fy) * (bottom - top) / rows;
        const float jointX = std::min(fx, 1.0f - fx) * 48.0f * spread;
        Colour c = Shade(stone, 0.8f + 0.3f * vary.At(col * 2.3f, row * 3.7f));
        c = Shade(c, 0.75f + 0.3f * t);
        return (jointY < 0.8f + t || jointX < 0.8f + t) ? Shade(c, 0.55f) : c;
    };
}

// A soft shade over the middle of the scene, where the board stands, so the
// board stands out from its country.
void ShadeTheBoardsPlace(Canvas& canvas, float strength)
{
    const Vec2 centre{537.0f, 300.0f};
    canvas.Fill(*RoundedRect({kSceneLeft, 0.0f, kW, kH}, 0.0f), [&](Vec2 p) {
        const float dx = (p.x - centre.x) / 250.0f, dy = (p.y - centre.y) / 250.0f;
        const float d = std::sqrt(dx * dx + dy * dy);
        return Rgb(0x000000, strength * (1.0f - SmoothStep(0.35f, 1.25f, d)));
    });
}

// ---- The side panel ----

struct PanelLook {
    int stage = 1;    // the country, 1 to 7
    Paint body;       // the panel's face
    Colour rim;       // its frame's metal
    Colour plate;     // the title's and the score's plates
    Paint niche;      // the artefact's niche
    Colour medallion; // the sun's round
    // The country's ornament, painted over the finished panel.
    std::function<void(Canvas&)> ornament;
};

const Box kPanel{4.0f, 4.0f, 270.0f, 596.0f};
// Where the board puts each country's collected artefact: the lower-left
// corner of its 256 x 256 picture, counted up from the screen's bottom.
const Vec2 kArtefactAnchors[7] = {{27.0f, 271.0f}, {16.0f, 289.0f}, {10.0f, 280.0f}, {25.0f, 295.0f},
                                  {13.0f, 276.0f}, {25.0f, 293.0f}, {12.0f, 283.0f}};
const Box kTitlePlate{14.0f, 12.0f, 266.0f, 70.0f};
const Box kNiche{14.0f, 76.0f, 266.0f, 334.0f};
const Box kScorePlate{18.0f, 340.0f, 262.0f, 394.0f};
const Vec2 kSun{141.0f, 483.0f};
const Vec2 kSockets[4] = {{227.0f, 529.0f}, {52.0f, 528.0f}, {53.0f, 437.0f}, {226.0f, 437.0f}};

// A plate in the panel: the colour enamelled in a metal rim, sunk a little.
void PaintPlate(Canvas& canvas, const Box& box, const Colour& colour, const Colour& rim)
{
    const ShapePtr outer = RoundedRect(box, 9.0f);
    DrawMetalPlate(canvas, *outer, box, rim, false);
    const Box inner = box.Grown(-5.0f);
    const ShapePtr face = RoundedRect(inner, 6.0f);
    canvas.Fill(*face, LinearGradient({0.0f, inner.top}, Shade(colour, 0.7f), {0.0f, inner.bottom}, Shade(colour, 1.15f)));
    canvas.Fill(*face, Grain(61, 40.0f, 3.0f, 0.08f));
    canvas.Bevel(*face, 4.0f, -0.7f);
}

void PaintSidePanel(Canvas& canvas, const PanelLook& look)
{
    const ShapePtr body = RoundedRect(kPanel, 14.0f);
    canvas.Shadow(*body, {5.0f, 4.0f}, 8.0f, Rgb(0x000000, 0.65f));
    canvas.Fill(*body, look.body);
    canvas.Bevel(*body, 8.0f, 0.55f);
    DrawBronzeFrame(canvas, kPanel, 8.0f, 14.0f, look.rim);
    for (float x : {kPanel.left + 4.0f, kPanel.right - 4.0f})
        for (float y : {kPanel.top + 4.0f, kPanel.bottom - 4.0f})
            DrawRosette(canvas, {x, y}, 6.0f, Shade(look.rim, 1.2f));

    PaintPlate(canvas, kTitlePlate, look.plate, look.rim);

    // The niche the artefact is put together in: sunk into the panel.
    const ShapePtr niche = RoundedRect(kNiche, 12.0f);
    canvas.Fill(*niche, look.niche);
    canvas.Fill(*niche, RadialGradient({(kNiche.left + kNiche.right) * 0.5f, (kNiche.top + kNiche.bottom) * 0.5f}, 190.0f,
                                       {{0.0f, Rgb(0xFFF0D0, 0.12f)}, {0.7f, Rgb(0x000000, 0.0f)}, {1.0f, Rgb(0x000000, 0.35f)}}));
    canvas.Bevel(*niche, 9.0f, -0.8f);
    canvas.Stroke(*RoundedRect(kNiche.Grown(2.0f), 13.0f), 3.0f,
                  LinearGradient({0.0f, kNiche.top}, Shade(look.rim, 1.3f), {0.0f, kNiche.bottom}, Shade(look.rim, 0.6f)));
    // The country's artefact faintly inlaid where its pieces will be put
    // together, so the player sees what is being gathered.
    {
        Canvas ghost(256, 256);
        DrawArtefact(ghost, look.stage - 1);
        const Vec2 anchor = kArtefactAnchors[std::clamp(look.stage, 1, 7) - 1];
        const int left = static_cast<int>(anchor.x), top = static_cast<int>(kH - anchor.y) - 256;
        ghost.Transform([&](Colour c, int x, int y) {
            const Vec2 at{static_cast<float>(left + x) + 0.5f, static_cast<float>(top + y) + 0.5f};
            const float inside = Clamp01(-niche->Distance(at) - 4.0f);
            const float grey = 0.3f * c.r + 0.59f * c.g + 0.11f * c.b;
            return Colour{grey, grey * 0.94f, grey * 0.84f, c.a * 0.16f * inside};
        });
        canvas.Draw(ghost, left, top);
    }

    PaintPlate(canvas, kScorePlate, look.plate, look.rim);

    // The sun's medallion: a rim round a dark, warm hollow.
    const ShapePtr round = Circle(kSun, 68.0f);
    canvas.Shadow(*round, {2.0f, 3.0f}, 4.0f, Rgb(0x000000, 0.5f));
    DrawMetalPlate(canvas, *Subtract(round, Circle(kSun, 58.0f)), {kSun.x - 68.0f, kSun.y - 68.0f, kSun.x + 68.0f, kSun.y + 68.0f},
                   look.rim, false);
    const ShapePtr hollow = Circle(kSun, 58.0f);
    canvas.Fill(*hollow, RadialGradient(kSun, 58.0f, {{0.0f, Shade(look.medallion, 1.3f)}, {0.75f, look.medallion}, {1.0f, Shade(look.medallion, 0.45f)}}));
    canvas.Bevel(*hollow, 8.0f, -0.7f);
    for (int i = 0; i < 16; ++i) {
        const float a = static_cast<float>(i) * kPi / 8.0f;
        const Vec2 dir{std::cos(a), std::sin(a)};
        canvas.Fill(*Circle(kSun + dir * 63.0f, 2.0f), Solid(Shade(look.rim, 1.5f)));
    }

    // The bonus sockets.
    for (const Vec2 at : kSockets) {
        const ShapePtr socket = Circle(at, 27.0f);
        canvas.Shadow(*socket, {1.0f, 2.0f}, 3.0f, Rgb(0x000000, 0.5f));
        DrawMetalPlate(canvas, *Subtract(socket, Circle(at, 22.0f)), {at.x - 27.0f, at.y - 27.0f, at.x + 27.0f, at.y + 27.0f}, look.rim, false);
        const ShapePtr well = Circle(at, 22.0f);
        canvas.Fill(*well, RadialGradient(at, 22.0f, {{0.0f, Shade(look.plate, 1.2f)}, {1.0f, Shade(look.plate, 0.5f)}}));
        canvas.Bevel(*well, 5.0f, -0.7f);
    }
    if (look.ornament)
        look.ornament(canvas);
}

// A band along the foot of the panel, under the sun and the sockets.
const Box kFootBand{16.0f, 562.0f, 258.0f, 584.0f};

// ---- The countries ----

// Phoenicia: the harbour of a purple-dyers' city at dusk, cedars on the
// hills, a ship home from sea, the quay in the front.
void PaintPhoenicia(Canvas& canvas)
{
    const float horizon = 372.0f;
    PaintSky(canvas, horizon, {{0.0f, Rgb(0x22183E)}, {0.45f, Rgb(0x5A3274)}, {0.78f, Rgb(0xC8648A)}, {1.0f, Rgb(0xF6AE6E)}});
    PaintStars(canvas, {kSceneLeft, 0.0f, kW, 90.0f}, 40, 5101);
    PaintClouds(canvas, {kSceneLeft, 60.0f, kW, 300.0f}, Rgb(0xF8A8A0), Rgb(0x4A2A5A), 5102, 0.42f);
    // Far mountains, blue with the distance, the sun going down over them,
    // and the nearer hills with cedars.
    PaintSun(canvas, {600.0f, horizon - 58.0f}, 22.0f, Rgb(0xFFE2A0), Rgb(0xFFB070, 0.55f), 130.0f);
    canvas.Fill(*Ridge(kSceneLeft, kW, horizon - 10.0f, 50.0f, horizon + 2.0f, 5103, 120.0f), Solid(Rgb(0x6A5088, 0.92f)));
    canvas.Fill(*Ridge(kSceneLeft, 470.0f, horizon + 2.0f, 60.0f, horizon + 6.0f, 5104, 70.0f), Solid(Rgb(0x3A2A48)));
    canvas.Fill(*Ridge(660.0f, kW, horizon, 90.0f, horizon + 6.0f, 5105, 60.0f), Solid(Rgb(0x342440)));
    PaintWater(canvas, horizon, kH, Rgb(0xB06A8A), Rgb(0x1E1A4A), Rgb(0xFFD8A0), 600.0f, 5106);
    // The city on its island at the left: walls, towers and the beacon.
    const Colour wall = Rgb(0x6A4A5A);
    canvas.Fill(*RoundedRect({kSceneLeft, horizon - 34.0f, 420.0f, horizon + 8.0f}, 0.0f), Solid(wall));
    for (int i = 0; i < 6; ++i) {
        const float x = kSceneLeft + 8.0f + 26.0f * static_cast<float>(i);
        const float top = horizon - 48.0f - static_cast<float>((i * 7) % 3) * 9.0f;
        canvas.Fill(*RoundedRect({x, top, x + 18.0f, horizon}, 0.0f), Solid(Shade(wall, 0.85f + 0.05f * static_cast<float>(i % 3))));
        canvas.Fill(*RoundedRect({x + 6.0f, top + 10.0f, x + 11.0f, top + 18.0f}, 1.0f), Solid(Rgb(0xFFC070, 0.8f)));
    }
    canvas.Fill(*RoundedRect({400.0f, horizon - 110.0f, 418.0f, horizon}, 0.0f), Solid(Shade(wall, 1.1f)));
    PaintSun(canvas, {409.0f, horizon - 116.0f}, 5.0f, Rgb(0xFFF0B0), Rgb(0xFFC060, 0.6f), 26.0f);
    // Cedars on the right-hand hills, dark against the sky.
    for (int i = 0; i < 5; ++i) {
        const float x = 680.0f + 26.0f * static_cast<float>(i);
        PaintCedar(canvas, {x, horizon + 4.0f - static_cast<float>((i * 5) % 3) * 6.0f}, 60.0f + static_cast<float>((i * 7) % 4) * 8.0f,
                   Rgb(0x2A3A30), 5110u + static_cast<unsigned>(i));
    }
    // A ship home from sea on the right, its purple sail furled half.
    const Vec2 hull{748.0f, 470.0f};
    canvas.Fill(*Polygon({{hull.x - 46.0f, hull.y - 10.0f}, {hull.x + 40.0f, hull.y - 10.0f}, {hull.x + 52.0f, hull.y - 24.0f},
                          {hull.x + 30.0f, hull.y + 8.0f}, {hull.x - 38.0f, hull.y + 8.0f}}),
                LinearGradient({0.0f, hull.y - 12.0f}, Rgb(0x7A4A2A), {0.0f, hull.y + 8.0f}, Rgb(0x2A160A)));
    canvas.Fill(*Polyline({{hull.x, hull.y - 10.0f}, {hull.x, hull.y - 86.0f}}, 3.0f), Solid(Rgb(0x3A2410)));
    canvas.Fill(*Polygon({{hull.x - 34.0f, hull.y - 80.0f}, {hull.x + 34.0f, hull.y - 80.0f}, {hull.x + 30.0f, hull.y - 44.0f}, {hull.x - 30.0f, hull.y - 44.0f}}),
                LinearGradient({hull.x - 34.0f, 0.0f}, Rgb(0xA04A9A), {hull.x + 34.0f, 0.0f}, Rgb(0x4A1A50)));
    canvas.Fill(*Ellipse({hull.x, hull.y + 10.0f}, 56.0f, 4.0f), Solid(Rgb(0xFFD8A0, 0.25f)));
    ShadeTheBoardsPlace(canvas, 0.35f);
    // The quay along the front, the time bar lies on it.
    const Box quay{kSceneLeft, 548.0f, kW, kH};
    canvas.Fill(*RoundedRect(quay, 0.0f), Ashlar(Rgb(0xA08070), 18.0f, 58.0f, 5107));
    canvas.Fill(*RoundedRect(quay, 0.0f), LinearGradient({0.0f, quay.top}, Rgb(0x3A1A3A, 0.15f), {0.0f, quay.bottom}, Rgb(0x1A0A1A, 0.5f)));
    canvas.Fill(*RoundedRect({kSceneLeft, quay.top - 2.0f, kW, quay.top + 3.0f}, 0.0f), Solid(Rgb(0xFFD8B0, 0.5f)));
    for (float x : {300.0f, 784.0f}) {
        const ShapePtr bollard = RoundedRect({x - 7.0f, quay.top - 16.0f, x + 7.0f, quay.top + 4.0f}, 5.0f);
        canvas.Shadow(*bollard, {2.0f, 2.0f}, 2.0f, Rgb(0x000000, 0.5f));
        canvas.Fill(*bollard, LinearGradient({x - 7.0f, 0.0f}, Rgb(0x8A7A7A), {x + 7.0f, 0.0f}, Rgb(0x3A2A30)));
    }

    PanelLook look;
    look.stage = 1;
    look.body = Mottled(
        [grain = ValueNoise(5120)](Vec2 p) {
            // Cedar boards standing upright, their grain running down.
            const float board = std::floor(p.x / 38.0f);
            const float ring = grain.Fractal(p.x / 3.0f + board * 17.0f, p.y / 70.0f, 4);
            Colour c = Shade(Rgb(0x8A5232), 0.75f + 0.45f * ring);
            const float seam = std::fmod(p.x, 38.0f);
            return seam < 1.5f ? Shade(c, 0.5f) : c;
        },
        5121, 80.0f, 0.12f);
    look.rim = palette::kBronze;
    look.plate = Rgb(0x3E1A4E);
    look.niche = Mottled(Solid(Rgb(0x2C1638)), 5122, 20.0f, 0.18f);
    look.medallion = Rgb(0x4A2046);
    look.ornament = [](Canvas& c) {
        // Murex shells, the dye's source, in the niche's corners.
        for (const Vec2 at : {Vec2{36.0f, 94.0f}, Vec2{244.0f, 94.0f}, Vec2{36.0f, 316.0f}, Vec2{244.0f, 316.0f}})
            DrawRosette(c, at, 7.0f, Rgb(0xB070B0));
        DrawMeanderBand(c, kFootBand, palette::kGold, Rgb(0x3E1A4E));
    };
    PaintSidePanel(canvas, look);
}

// Babylon: the blue glazed wall of the great gate by night, its lions and
// rosettes in yellow glaze, stepped battlements against the stars.
void PaintBabylon(Canvas& canvas)
{
    PaintSky(canvas, 90.0f, {{0.0f, Rgb(0x060A22)}, {1.0f, Rgb(0x1A2456)}});
    PaintStars(canvas, {kSceneLeft, 0.0f, kW, 60.0f}, 60, 5201);
    const float wallTop = 58.0f;
    // The glazed bricks: small, each of its own blue, with a glaze's sheen.
    const ValueNoise vary(5202), sheen(5203);
    const Paint bricks = [&vary, &sheen](Vec2 p) {
        const float course = 14.0f, block = 30.0f;
        const float row = std::floor(p.y / course);
        const float shift = std::fmod(row, 2.0f) * block * 0.5f;
        const float col = std::floor((p.x + shift) / block);
        const float fy = p.y - row * course, fx = p.x + shift - col * block;
        if (std::min({fy, course - fy, fx, block - fx}) < 1.0f)
            return Rgb(0x0A1230);
        const float v = vary.At(col * 2.7f, row * 3.1f);
        Colour c = Mix(Rgb(0x1A3C9A), Rgb(0x2A62C8), v);
        c = Shade(c, 0.78f + 0.25f * sheen.Fractal(p.x / 60.0f, p.y / 60.0f, 3));
        if (fy < 3.0f)
            c = Mix(c, Rgb(0xA8C8FF), 0.25f * (1.0f - fy / 3.0f));
        return c;
    };
    // The battlements: stepped merlons along the top of the wall.
    for (float x = kSceneLeft; x < kW; x += 44.0f) {
        const ShapePtr merlon = Polygon({{x + 4.0f, wallTop}, {x + 4.0f, wallTop - 10.0f}, {x + 10.0f, wallTop - 10.0f}, {x + 10.0f, wallTop - 20.0f},
                                         {x + 16.0f, wallTop - 20.0f}, {x + 16.0f, wallTop - 30.0f}, {x + 28.0f, wallTop - 30.0f},
                                         {x + 28.0f, wallTop - 20.0f}, {x + 34.0f, wallTop - 20.0f}, {x + 34.0f, wallTop - 10.0f},
                                         {x + 40.0f, wallTop - 10.0f}, {x + 40.0f, wallTop}});
        canvas.Fill(*merlon, bricks);
        canvas.Bevel(*merlon, 3.0f, 0.5f);
    }
    const Box wall{kSceneLeft, wallTop, kW, 560.0f};
    canvas.Fill(*RoundedRect(wall, 0.0f), bricks);
    // Yellow bands of rosettes under the battlements and above the road.
    for (const float y : {wallTop + 12.0f, 528.0f}) {
        canvas.Fill(*RoundedRect({kSceneLeft, y - 11.0f, kW, y + 11.0f}, 0.0f), Solid(Rgb(0x10204A)));
        canvas.Fill(*RoundedRect({kSceneLeft, y - 13.0f, kW, y - 10.0f}, 0.0f), Solid(Rgb(0xE8B838)));
        canvas.Fill(*RoundedRect({kSceneLeft, y + 10.0f, kW, y + 13.0f}, 0.0f), Solid(Rgb(0xE8B838)));
        for (float x = kSceneLeft + 14.0f; x < kW; x += 28.0f) {
            canvas.Fill(*Star({x, y}, 8, 8.0f, 4.0f), Solid(Rgb(0xF4F0E0)));
            canvas.Fill(*Circle({x, y}, 3.0f), Solid(Rgb(0xE8A828)));
        }
    }
    // A frieze of striding lions in yellow glaze, high on the wall.
    const auto lion = [&canvas](Vec2 at, float s) {
        const Colour gold = Rgb(0xE8B040), dark = Rgb(0x8A5A18);
        const ShapePtr body = Unite(Ellipse(at, 26.0f * s, 10.0f * s), Circle(at + Vec2{24.0f * s, -8.0f * s}, 10.0f * s));
        const ShapePtr legs = Unite(Unite(RoundedRect({at.x - 22.0f * s, at.y, at.x - 15.0f * s, at.y + 20.0f * s}, 2.0f),
                                          RoundedRect({at.x - 10.0f * s, at.y, at.x - 3.0f * s, at.y + 19.0f * s}, 2.0f)),
                                    Unite(RoundedRect({at.x + 8.0f * s, at.y, at.x + 15.0f * s, at.y + 20.0f * s}, 2.0f),
                                          RoundedRect({at.x + 18.0f * s, at.y, at.x + 25.0f * s, at.y + 19.0f * s}, 2.0f)));
        const ShapePtr tail = Polyline({at + Vec2{-25.0f * s, -2.0f * s}, at + Vec2{-36.0f * s, -12.0f * s}, at + Vec2{-40.0f * s, -6.0f * s}}, 3.0f * s);
        const ShapePtr mane = Circle(at + Vec2{20.0f * s, -8.0f * s}, 13.0f * s);
        const ShapePtr all = Unite(Unite(body, legs), Unite(tail, mane));
        canvas.Shadow(*all, {2.0f, 2.0f}, 2.0f, Rgb(0x000000, 0.5f));
        canvas.Fill(*all, LinearGradient(at - Vec2{0.0f, 20.0f * s}, Shade(gold, 1.2f), at + Vec2{0.0f, 20.0f * s}, Shade(gold, 0.75f)));
        canvas.Fill(*mane, Solid(Rgb(0xC88A28)));
        canvas.Fill(*Circle(at + Vec2{26.0f * s, -10.0f * s}, 1.8f * s), Solid(dark));
        canvas.Bevel(*all, 2.0f * s, 0.5f);
    };
    for (float x = kSceneLeft + 44.0f; x < kW; x += 104.0f)
        lion({x, 112.0f}, 0.9f);
    for (float x = kSceneLeft + 80.0f; x < kW; x += 104.0f)
        lion({x, 478.0f}, 0.9f);
    // Warm light on the wall round the braziers the board lights.
    for (const float x : {312.0f, 765.0f})
        canvas.Fill(*Circle({x, 520.0f}, 110.0f), RadialGradient({x, 520.0f}, 110.0f, {{0.0f, Rgb(0xFF9A40, 0.35f)}, {1.0f, Rgb(0xFF9A40, 0.0f)}}));
    ShadeTheBoardsPlace(canvas, 0.62f);
    // The processional way: paving in the front.
    const Box road{kSceneLeft, 560.0f, kW, kH};
    canvas.Fill(*RoundedRect(road, 0.0f), Ashlar(Rgb(0x8A7A62), 20.0f, 46.0f, 5204));
    canvas.Fill(*RoundedRect(road, 0.0f), LinearGradient({0.0f, road.top}, Rgb(0x000000, 0.1f), {0.0f, road.bottom}, Rgb(0x000000, 0.5f)));

    PanelLook look;
    look.stage = 2;
    look.body = bricks;
    look.rim = Rgb(0xD8A838);
    look.plate = Rgb(0x12205A);
    look.niche = Mottled(Solid(Rgb(0x0E1A48)), 5205, 24.0f, 0.2f);
    look.medallion = Rgb(0x2A2A5A);
    look.ornament = [](Canvas& c) {
        c.Fill(*RoundedRect(kFootBand, 3.0f), Solid(Rgb(0x10204A)));
        c.Stroke(*RoundedRect(kFootBand, 3.0f), 2.0f, Solid(Rgb(0xE8B838)));
        for (float x = kFootBand.left + 14.0f; x < kFootBand.right - 6.0f; x += 26.0f) {
            c.Fill(*Star({x, (kFootBand.top + kFootBand.bottom) * 0.5f}, 8, 8.0f, 4.0f), Solid(Rgb(0xF4F0E0)));
            c.Fill(*Circle({x, (kFootBand.top + kFootBand.bottom) * 0.5f}, 3.0f), Solid(Rgb(0xE8A828)));
        }
    };
    PaintSidePanel(canvas, look);
}

// A pyramid: the face towards the light lit, the other in shade.
void PaintPyramid(Canvas& canvas, Vec2 apex, float halfBase, float baseY, const Colour& stone, bool litLeft)
{
    const Vec2 left{apex.x - halfBase, baseY}, right{apex.x + halfBase, baseY}, front{apex.x + halfBase * 0.18f, baseY};
    canvas.Fill(*Polygon({left, apex, front}), Solid(Shade(stone, litLeft ? 1.12f : 0.6f)));
    canvas.Fill(*Polygon({front, apex, right}), Solid(Shade(stone, litLeft ? 0.62f : 1.08f)));
    // The courses of its blocks, faint.
    for (float t = 0.1f; t < 1.0f; t += 0.1f)
        canvas.Fill(*Polyline({apex + (left - apex) * t, apex + (right - apex) * t}, 0.8f), Solid(Rgb(0x000000, 0.12f)));
}

// A column of bundled papyrus stems with an open capital, painted bands.
void PaintLotusColumn(Canvas& canvas, const Box& box, const Colour& stone)
{
    const float w = box.Width();
    const Box shaft{box.left + w * 0.12f, box.top + w * 0.9f, box.right - w * 0.12f, box.bottom};
    canvas.Fill(*RoundedRect(shaft, 2.0f), [&](Vec2 p) {
        const float t = (p.x - shaft.left) / shaft.Width();
        const float stems = 0.5f + 0.5f * std::cos(t * 5.0f * 2.0f * kPi);
        return Shade(stone, (0.55f + 0.65f * std::sin(t * kPi)) * (0.92f + 0.08f * stems));
    });
    // Bands of blue, red and gold round the shaft.
    const Colour bands[3] = {Rgb(0x1E4A9A), Rgb(0xB03A2A), Rgb(0xE0B040)};
    for (int i = 0; i < 3; ++i) {
        const float y = shaft.top + 14.0f + 8.0f * static_cast<float>(i);
        canvas.Fill(*RoundedRect({shaft.left, y, shaft.right, y + 5.0f}, 0.0f), Solid(WithAlpha(bands[i], 0.85f)));
    }
    const ShapePtr capital = Polygon({{shaft.left, shaft.top + 2.0f}, {box.left - w * 0.1f, box.top + w * 0.25f},
                                      {box.right + w * 0.1f, box.top + w * 0.25f}, {shaft.right, shaft.top + 2.0f}});
    canvas.Fill(*capital, LinearGradient({box.left, 0.0f}, Shade(stone, 1.15f), {box.right, 0.0f}, Shade(stone, 0.55f)));
    for (int i = 0; i < 5; ++i) {
        const float x = box.left + w * (0.05f + 0.225f * static_cast<float>(i));
        canvas.Fill(*Polyline({{x, box.top + w * 0.3f}, {(shaft.left + shaft.right) * 0.5f, shaft.top}}, 2.0f), Solid(Rgb(0x1E6A4A, 0.7f)));
    }
    canvas.Fill(*RoundedRect({box.left - w * 0.12f, box.top, box.right + w * 0.12f, box.top + w * 0.25f}, 2.0f), Solid(Shade(stone, 0.9f)));
}

// Egypt: the pyramids and the Nile at sunset, seen from a painted temple
// porch with its winged sun over the door.
void PaintEgypt(Canvas& canvas)
{
    const float horizon = 404.0f;
    PaintSky(canvas, horizon, {{0.0f, Rgb(0x2A2050)}, {0.4f, Rgb(0x8A4A6A)}, {0.75f, Rgb(0xE2824A)}, {1.0f, Rgb(0xF8CC74)}});
    PaintClouds(canvas, {kSceneLeft, 80.0f, kW, 280.0f}, Rgb(0xFFC890), Rgb(0x6A3A5A), 5301, 0.3f);
    PaintSun(canvas, {560.0f, 330.0f}, 34.0f, Rgb(0xFFEAA8), Rgb(0xFFB860, 0.6f), 170.0f);
    canvas.Fill(*Ridge(kSceneLeft, kW, horizon - 4.0f, 16.0f, horizon + 2.0f, 5302, 90.0f), Solid(Rgb(0xB07A58)));
    const Colour stone = Rgb(0xD8A268);
    PaintPyramid(canvas, {370.0f, 248.0f}, 150.0f, horizon + 2.0f, stone, false);
    PaintPyramid(canvas, {470.0f, 320.0f}, 80.0f, horizon + 2.0f, Shade(stone, 0.95f), false);
    PaintPyramid(canvas, {716.0f, 286.0f}, 118.0f, horizon + 2.0f, stone, true);
    // The Nile, with the sky in it, and its green banks.
    PaintWater(canvas, horizon + 2.0f, 520.0f, Rgb(0xE8A070), Rgb(0x3A3A6A), Rgb(0xFFE0A0), 560.0f, 5303);
    canvas.Fill(*Ridge(kSceneLeft, kW, horizon + 10.0f, 8.0f, horizon + 14.0f, 5304, 40.0f), Solid(Rgb(0x3A4A28)));
    for (const Vec2 at : {Vec2{296.0f, 470.0f}, Vec2{336.0f, 452.0f}, Vec2{770.0f, 462.0f}, Vec2{796.0f, 478.0f}})
        PaintPalm(canvas, at, 120.0f, at.x < 500.0f ? 0.16f : -0.18f, Rgb(0x6A4A2A), Rgb(0x3A6A2A));
    // Papyrus along the bank.
    for (int i = 0; i < 26; ++i) {
        const float x = kSceneLeft + 8.0f + 20.0f * static_cast<float>(i) + 8.0f * Scatter(5310u + static_cast<unsigned>(i));
        const float h = 24.0f + 20.0f * Scatter(5340u + static_cast<unsigned>(i));
        canvas.Fill(*Polyline({{x, 524.0f}, {x + 2.0f, 524.0f - h}}, 1.5f), Solid(Rgb(0x2A4A1E)));
        canvas.Fill(*Star({x + 2.0f, 524.0f - h}, 6, 6.0f, 2.0f), Solid(Rgb(0x4A7A2E)));
    }
    ShadeTheBoardsPlace(canvas, 0.35f);
    // The desert in the front, in rippled dunes.
    const ValueNoise dunes(5305);
    canvas.Fill(*Ridge(kSceneLeft, kW, 530.0f, 14.0f, kH, 5306, 70.0f), [&](Vec2 p) {
        const float ripple = 0.5f + 0.5f * std::sin(p.y * 0.6f + dunes.Fractal(p.x / 50.0f, p.y / 20.0f, 3) * 8.0f);
        return Shade(Rgb(0xC89058), 0.78f + 0.18f * ripple - 0.25f * Clamp01((p.y - 530.0f) / 70.0f));
    });
    // The porch: a painted lintel with the winged sun, and the two columns.
    const Box lintel{kSceneLeft, 0.0f, kW, 44.0f};
    canvas.Fill(*RoundedRect(lintel, 0.0f), Sandstone(Rgb(0xC8A070), 5307, 30.0f));
    canvas.Fill(*RoundedRect({kSceneLeft, 38.0f, kW, 44.0f}, 0.0f), Solid(Rgb(0x5A3A1A)));
    for (float x = kSceneLeft; x < kW; x += 24.0f) {
        static const std::uint32_t kBands[3] = {0x1E4A9A, 0xB03A2A, 0x2A8A6A};
        const int band = static_cast<int>((x - kSceneLeft) / 24.0f) % 3;
        canvas.Fill(*RoundedRect({x + 2.0f, 30.0f, x + 22.0f, 36.0f}, 1.0f), Solid(Rgb(kBands[band])));
    }
    const Vec2 disc{534.0f, 17.0f};
    for (int side = -1; side <= 1; side += 2) {
        for (int f = 0; f < 6; ++f) {
            const float fx = static_cast<float>(f);
            const float x0 = disc.x + static_cast<float>(side) * (14.0f + fx * 12.0f);
            canvas.Fill(*Polygon({{x0, disc.y - 8.0f + fx}, {x0 + static_cast<float>(side) * 14.0f, disc.y - 6.0f + fx * 1.4f},
                                  {x0 + static_cast<float>(side) * 12.0f, disc.y + 6.0f}, {x0, disc.y + 5.0f}}),
                        Solid(f % 2 == 0 ? Rgb(0x1E4A9A) : Rgb(0x2A8A6A)));
        }
    }
    canvas.Fill(*Circle(disc, 11.0f), RadialGradient(disc - Vec2{3.0f, 3.0f}, 14.0f, {{0.0f, Rgb(0xFFE890)}, {1.0f, Rgb(0xC0541A)}}));
    canvas.Bevel(*Circle(disc, 11.0f), 3.0f, 0.6f);
    for (const float x : {kSceneLeft + 2.0f, kW - 34.0f})
        PaintLotusColumn(canvas, {x, 44.0f, x + 34.0f, 600.0f}, Rgb(0xD0A46C));

    PanelLook look;
    look.stage = 3;
    const ValueNoise carve(5320);
    look.body = [sand = Sandstone(Rgb(0xD8B078), 5321, 26.0f), carve](Vec2 p) {
        // Registers of carved signs: a cut line under each.
        Colour c = sand(p);
        const float row = std::fmod(p.y, 36.0f);
        if (row < 1.5f)
            return Shade(c, 0.6f);
        const float glyph = carve.At(std::floor(p.x / 12.0f) * 3.3f, std::floor(p.y / 36.0f) * 5.1f);
        const float fx = std::fmod(p.x, 12.0f), fy = row;
        if (glyph > 0.55f && fx > 3.0f && fx < 9.0f && fy > 8.0f && fy < 30.0f &&
            (glyph > 0.75f ? std::fabs(fx - 6.0f) < 1.2f : std::fabs(fy - 19.0f) < 5.0f - std::fabs(fx - 6.0f)))
            return Shade(c, 0.72f);
        return c;
    };
    look.rim = palette::kGold;
    look.plate = Rgb(0x1A2A6A);
    look.niche = Sandstone(Rgb(0x6A4A2A), 5322, 20.0f);
    look.medallion = Rgb(0x6A2A14);
    look.ornament = [](Canvas& c) {
        const Colour colours[4] = {Rgb(0x1E4A9A), Rgb(0xE0B040), Rgb(0xB03A2A), Rgb(0x2A8A6A)};
        c.Fill(*RoundedRect(kFootBand, 2.0f), Solid(Rgb(0x3A2410)));
        int i = 0;
        for (float x = kFootBand.left + 2.0f; x + 9.0f <= kFootBand.right; x += 11.0f, ++i)
            c.Fill(*RoundedRect({x, kFootBand.top + 3.0f, x + 9.0f, kFootBand.bottom - 3.0f}, 2.0f), Solid(colours[i % 4]));
    };
    PaintSidePanel(canvas, look);
}

// A mosaic of small stones: each tessera of the colour the pattern gives
// its centre, with grout between.
Paint Mosaic(float size, std::function<Colour(float, float)> pattern, unsigned seed)
{
    return [=](Vec2 p) {
        const float cx = std::floor(p.x / size), cy = std::floor(p.y / size);
        const float fx = p.x - cx * size, fy = p.y - cy * size;
        if (fx < 1.0f || fy < 1.0f)
            return Rgb(0x4A4038);
        const Colour c = pattern(cx, cy);
        const float v = Scatter(seed + static_cast<unsigned>(cx * 7.0f + cy * 131.0f));
        return Shade(c, 0.88f + 0.2f * v - (fx > size - 2.0f || fy > size - 2.0f ? 0.1f : 0.0f));
    };
}

// Carthage: the white city on its hill and the round war harbour at noon,
// seen from a terrace with a mosaic floor.
void PaintCarthage(Canvas& canvas)
{
    const float horizon = 300.0f;
    PaintSky(canvas, horizon, {{0.0f, Rgb(0x1E5AA8)}, {0.7f, Rgb(0x6AA8DC)}, {1.0f, Rgb(0xB8DCF0)}});
    PaintClouds(canvas, {kSceneLeft, 30.0f, kW, 230.0f}, Rgb(0xFFFFFF), Rgb(0x8AA8C8), 5401, 0.35f);
    PaintWater(canvas, horizon, 490.0f, Rgb(0x7AC0D0), Rgb(0x0E5A78), Rgb(0xF0FFFF), 620.0f, 5402);
    // The hill of the citadel with its houses, and the temple on top.
    const ShapePtr byrsa = Hill(kSceneLeft - 40.0f, 500.0f, horizon + 4.0f, {340.0f, 170.0f}, 5403);
    canvas.Fill(*byrsa, LinearGradient({0.0f, 170.0f}, Rgb(0xB8A070), {0.0f, horizon}, Rgb(0x7A7A4A)));
    for (int i = 0; i < 26; ++i) {
        const unsigned k = 5410u + static_cast<unsigned>(i) * 5u;
        const float x = kSceneLeft + 4.0f + 180.0f * Scatter(k);
        const float slope = x < 340.0f ? 1.0f : 1.0f - (x - 340.0f) / 160.0f;
        const float y = horizon + 6.0f - 120.0f * Scatter(k + 1u) * slope;
        const float w = 16.0f + 14.0f * Scatter(k + 2u), h = 12.0f + 10.0f * Scatter(k + 3u);
        const ShapePtr house = RoundedRect({x, y - h, x + w, y}, 1.0f);
        canvas.Shadow(*house, {2.0f, 1.0f}, 1.5f, Rgb(0x000000, 0.3f));
        canvas.Fill(*house, LinearGradient({x, 0.0f}, Rgb(0xF8F0E0), {x + w, 0.0f}, Rgb(0xC8B898)));
        canvas.Fill(*RoundedRect({x + w * 0.4f, y - h * 0.6f, x + w * 0.4f + 3.0f, y - h * 0.2f}, 0.5f), Solid(Rgb(0x3A3A40)));
    }
    DrawTemple(canvas, {306.0f, 128.0f, 376.0f, 178.0f}, 4, Rgb(0xF0E8D8));
    // The round harbour: ship sheds in a ring and the admiral's tower.
    const Vec2 ring{700.0f, horizon + 24.0f};
    canvas.Fill(*Ellipse(ring, 110.0f, 26.0f), Solid(Rgb(0x1E6A80)));
    for (int i = 0; i < 22; ++i) {
        const float a = kPi * (1.05f + 0.9f * static_cast<float>(i) / 21.0f);
        const Vec2 at = ring + Vec2{std::cos(a) * 112.0f, std::sin(a) * 30.0f};
        const ShapePtr shed = Unite(RoundedRect({at.x - 5.0f, at.y - 12.0f, at.x + 5.0f, at.y}, 0.0f), Circle({at.x, at.y - 12.0f}, 5.0f));
        canvas.Fill(*shed, Solid(Rgb(0xF0E8D8)));
        canvas.Fill(*RoundedRect({at.x - 3.0f, at.y - 10.0f, at.x + 3.0f, at.y}, 1.0f), Solid(Rgb(0x2A3A48)));
    }
    canvas.Fill(*Ellipse(ring, 34.0f, 10.0f), Solid(Rgb(0xD8CCB0)));
    const ShapePtr tower = Unite(RoundedRect({ring.x - 14.0f, ring.y - 70.0f, ring.x + 14.0f, ring.y}, 1.0f), Circle({ring.x, ring.y - 70.0f}, 14.0f));
    canvas.Fill(*tower, LinearGradient({ring.x - 14.0f, 0.0f}, Rgb(0xFFF8E8), {ring.x + 14.0f, 0.0f}, Rgb(0xB8A888)));
    canvas.Fill(*Polyline({{ring.x, ring.y - 84.0f}, {ring.x, ring.y - 100.0f}}, 1.5f), Solid(Rgb(0x3A2A1A)));
    canvas.Fill(*Polygon({{ring.x, ring.y - 100.0f}, {ring.x + 14.0f, ring.y - 96.0f}, {ring.x, ring.y - 92.0f}}), Solid(Rgb(0x7A2A8A)));
    ShadeTheBoardsPlace(canvas, 0.35f);
    // The terrace: a low wall and its mosaic floor; palms at its ends.
    canvas.Fill(*RoundedRect({kSceneLeft, 486.0f, kW, 506.0f}, 0.0f), Sandstone(Rgb(0xE8DCC0), 5404, 20.0f));
    canvas.Fill(*RoundedRect({kSceneLeft, 500.0f, kW, 506.0f}, 0.0f), Solid(Rgb(0x1E7A7A)));
    const Paint floor = Mosaic(6.0f, [](float x, float y) {
        const int ix = static_cast<int>(x), iy = static_cast<int>(y);
        const int d = std::abs((ix % 12) - 6) + std::abs((iy % 12) - 6);
        if (d == 5)
            return Rgb(0x1E7A7A);
        if (d < 3)
            return Rgb(0xC8782A);
        return (iy % 12 == 0) ? Rgb(0x8A2A1A) : Rgb(0xF0E4C8);
    }, 5405);
    canvas.Fill(*RoundedRect({kSceneLeft, 506.0f, kW, kH}, 0.0f), floor);
    canvas.Fill(*RoundedRect({kSceneLeft, 506.0f, kW, kH}, 0.0f), LinearGradient({0.0f, 506.0f}, Rgb(0x000000, 0.25f), {0.0f, kH}, Rgb(0x000000, 0.0f)));
    PaintPalm(canvas, {286.0f, 500.0f}, 200.0f, 0.12f, Rgb(0x6A4A2A), Rgb(0x2A6A3A));
    PaintPalm(canvas, {786.0f, 500.0f}, 220.0f, -0.14f, Rgb(0x6A4A2A), Rgb(0x2A6A3A));

    PanelLook look;
    look.stage = 4;
    look.body = Mosaic(7.0f, [](float x, float y) {
        const int ix = static_cast<int>(x), iy = static_cast<int>(y);
        const int d = std::abs((ix % 8) - 4) + std::abs((iy % 8) - 4);
        return d == 4 ? Rgb(0x1E7A7A) : d == 0 ? Rgb(0xC8782A) : Rgb(0xE8DCC0);
    }, 5420);
    look.rim = palette::kBronze;
    look.plate = Rgb(0x0E3A40);
    look.niche = Mottled(Solid(Rgb(0x0A2A30)), 5421, 20.0f, 0.2f);
    look.medallion = Rgb(0x1E4A4A);
    look.ornament = [](Canvas& c) {
        c.Fill(*RoundedRect(kFootBand, 2.0f), Solid(Rgb(0xF0E4C8)));
        std::vector<Vec2> wave;
        for (float x = kFootBand.left + 2.0f; x <= kFootBand.right - 2.0f; x += 1.0f)
            wave.push_back({x, (kFootBand.top + kFootBand.bottom) * 0.5f + 6.0f * std::sin((x - kFootBand.left) / 22.0f * 2.0f * kPi)});
        c.Fill(*Polyline(wave, 3.0f), Solid(Rgb(0x1E7A7A)));
        c.Stroke(*RoundedRect(kFootBand, 2.0f), 1.5f, Solid(Rgb(0x1E7A7A)));
    };
    PaintSidePanel(canvas, look);
}

// Red porphyry: dark red stone speckled pale.
Paint Porphyry(unsigned seed)
{
    const ValueNoise cloud(seed);
    return [=](Vec2 p) {
        Colour c = Shade(Rgb(0x7A2220), 0.8f + 0.35f * cloud.Fractal(p.x / 60.0f, p.y / 60.0f, 4));
        const float speck = Scatter(static_cast<unsigned>(p.x) * 7919u + static_cast<unsigned>(p.y) * 104729u + seed);
        if (speck > 0.93f)
            c = Mix(c, Rgb(0xE8C8B8), 0.55f);
        return c;
    };
}

// Rome: the forum in the late afternoon between two marble columns, an
// aqueduct across the hills, a temple and an arch, a floor of coloured
// marbles.
void PaintRome(Canvas& canvas)
{
    const float horizon = 330.0f;
    PaintSky(canvas, horizon, {{0.0f, Rgb(0x2A5A9A)}, {0.6f, Rgb(0x8AAACC)}, {1.0f, Rgb(0xF0D8A0)}});
    PaintClouds(canvas, {kSceneLeft, 60.0f, kW, 260.0f}, Rgb(0xFFE8C0), Rgb(0x8A7A8A), 5501, 0.32f);
    PaintSun(canvas, {380.0f, 250.0f}, 20.0f, Rgb(0xFFF4D0), Rgb(0xFFD890, 0.5f), 110.0f);
    // Hills with pines and cypresses, the aqueduct across them.
    canvas.Fill(*Ridge(kSceneLeft, kW, horizon - 30.0f, 60.0f, horizon + 40.0f, 5502, 130.0f), Solid(Rgb(0x6A7A5A)));
    for (int i = 0; i < 9; ++i) {
        const float x = kSceneLeft + 20.0f + 60.0f * static_cast<float>(i) + 20.0f * Scatter(5510u + static_cast<unsigned>(i));
        PaintCypress(canvas, {x, horizon - 8.0f}, 46.0f + 20.0f * Scatter(5520u + static_cast<unsigned>(i)), Rgb(0x2A4A2A), 5530u + static_cast<unsigned>(i));
    }
    const Colour tufa = Rgb(0xC8A878);
    canvas.Fill(*RoundedRect({kSceneLeft, horizon - 70.0f, kW, horizon - 56.0f}, 0.0f), Solid(tufa));
    for (float x = kSceneLeft; x < kW; x += 40.0f) {
        const ShapePtr pier = RoundedRect({x, horizon - 56.0f, x + 10.0f, horizon + 30.0f}, 0.0f);
        canvas.Fill(*pier, Solid(Shade(tufa, 0.92f)));
        canvas.Fill(*Arc({x + 25.0f, horizon - 40.0f}, 16.0f, 4.0f, kPi, 2.0f * kPi), Solid(tufa));
    }
    // The forum's paving from the hills' foot to the front.
    const ShapePtr plaza = RoundedRect({kSceneLeft, horizon + 24.0f, kW, 520.0f}, 0.0f);
    canvas.Fill(*plaza, Paving(Rgb(0xD8C098), horizon + 24.0f, 520.0f, 9.0f, 5507));
    canvas.Fill(*plaza, LinearGradient({0.0f, horizon + 24.0f}, Rgb(0xF0D8A0, 0.35f), {0.0f, 520.0f}, Rgb(0x3A2A1A, 0.3f)));
    // A temple front on the left, an arch on the right.
    DrawTemple(canvas, {276.0f, 250.0f, 430.0f, 400.0f}, 6, palette::kMarble);
    const Box arch{640.0f, 230.0f, 800.0f, 420.0f};
    const ShapePtr archShape = Subtract(RoundedRect(arch, 0.0f), Unite(RoundedRect({690.0f, 320.0f, 750.0f, 421.0f}, 0.0f), Circle({720.0f, 320.0f}, 30.0f)));
    canvas.Shadow(*archShape, {4.0f, 3.0f}, 4.0f, Rgb(0x000000, 0.35f));
    canvas.Fill(*archShape, Marble(Rgb(0xE8E0D0), Rgb(0xA09080), 5503, 60.0f));
    canvas.Fill(*RoundedRect({640.0f, 250.0f, 800.0f, 270.0f}, 0.0f), Solid(Rgb(0xD8C8B0)));
    for (const float x : {655.0f, 765.0f})
        DrawColumn(canvas, {x, 272.0f, x + 20.0f, 420.0f}, Rgb(0xF0E8DA));
    ShadeTheBoardsPlace(canvas, 0.35f);
    // The floor: white marble with porphyry discs and green squares.
    const Box floor{kSceneLeft, 520.0f, kW, kH};
    canvas.Fill(*RoundedRect(floor, 0.0f), Marble(Rgb(0xE8E0D0), Rgb(0xA89888), 5504, 50.0f));
    for (float x = kSceneLeft + 30.0f; x < kW; x += 80.0f) {
        canvas.Fill(*Circle({x, 562.0f}, 22.0f), Porphyry(5505));
        canvas.Stroke(*Circle({x, 562.0f}, 24.0f), 3.0f, Solid(Rgb(0x2A5A3A)));
        const float m = x + 40.0f;
        canvas.Fill(*Polygon({{m, 546.0f}, {m + 16.0f, 562.0f}, {m, 578.0f}, {m - 16.0f, 562.0f}}), Solid(Rgb(0x3A6A4A)));
    }
    canvas.Fill(*RoundedRect(floor, 0.0f), LinearGradient({0.0f, floor.top}, Rgb(0x000000, 0.0f), {0.0f, floor.bottom}, Rgb(0x000000, 0.35f)));
    // The architrave with its dentils, the gilt wreath in its middle, and
    // the two great columns.
    canvas.Fill(*RoundedRect({kSceneLeft, 0.0f, kW, 44.0f}, 0.0f), Marble(Rgb(0xF0E8DA), Rgb(0xA89888), 5506, 70.0f));
    for (float x = kSceneLeft; x < kW; x += 12.0f)
        canvas.Fill(*RoundedRect({x + 2.0f, 34.0f, x + 9.0f, 42.0f}, 0.0f), Solid(Rgb(0xB8A890)));
    canvas.Fill(*RoundedRect({kSceneLeft, 42.0f, kW, 46.0f}, 0.0f), Solid(Rgb(0x7A2220)));
    DrawLaurel(canvas, {534.0f, 18.0f}, 13.0f, kPi * 0.6f, kPi * 1.45f, 9.0f, palette::kGold);
    DrawLaurel(canvas, {534.0f, 18.0f}, 13.0f, -kPi * 0.45f, kPi * 0.4f, 9.0f, palette::kGold);
    for (const float x : {kSceneLeft + 2.0f, kW - 36.0f})
        DrawColumn(canvas, {x, 46.0f, x + 34.0f, 600.0f}, Rgb(0xF2EADC));

    PanelLook look;
    look.stage = 5;
    look.body = Porphyry(5520);
    look.rim = palette::kGold;
    look.plate = Rgb(0x2A0C0A);
    look.niche = Mottled(Solid(Rgb(0x3A1210)), 5521, 24.0f, 0.2f);
    look.medallion = Rgb(0x4A1A12);
    look.ornament = [](Canvas& c) {
        c.Fill(*RoundedRect(kFootBand, 2.0f), Marble(Rgb(0xF0E8DA), Rgb(0xA89888), 5522, 30.0f));
        const Vec2 mid{(kFootBand.left + kFootBand.right) * 0.5f, (kFootBand.top + kFootBand.bottom) * 0.5f};
        for (int side = -1; side <= 1; side += 2)
            for (int k = 0; k < 9; ++k) {
                const float x = mid.x + static_cast<float>(side) * (14.0f + 12.0f * static_cast<float>(k));
                c.Fill(*Ellipse({x, mid.y - 3.0f}, 5.0f, 2.2f, static_cast<float>(side) * 0.5f), Solid(palette::kGold));
                c.Fill(*Ellipse({x, mid.y + 3.0f}, 5.0f, 2.2f, -static_cast<float>(side) * 0.5f), Solid(palette::kGoldDark));
            }
        DrawRosette(c, mid, 8.0f, palette::kGold);
    };
    PaintSidePanel(canvas, look);
}

// Greece: the Aegean under a clear sky, the temple on the rock, a white
// village and cypresses, olive trees on a marble terrace.
void PaintGreece(Canvas& canvas)
{
    const float horizon = 330.0f;
    PaintSky(canvas, horizon, {{0.0f, Rgb(0x1A50B0)}, {0.65f, Rgb(0x5A98DC)}, {1.0f, Rgb(0xC0E0F8)}});
    PaintClouds(canvas, {kSceneLeft, 40.0f, kW, 220.0f}, Rgb(0xFFFFFF), Rgb(0xA8C0E0), 5601, 0.25f);
    canvas.Fill(*Ridge(420.0f, 640.0f, horizon - 6.0f, 22.0f, horizon + 2.0f, 5602, 60.0f), Solid(Rgb(0x7A8AB8)));
    PaintWater(canvas, horizon, 526.0f, Rgb(0x5AA0D8), Rgb(0x0E3A7A), Rgb(0xFFFFFF), 520.0f, 5603);
    // The rock with its temple on the right.
    canvas.Fill(*Hill(560.0f, kW + 60.0f, horizon + 4.0f, {720.0f, 262.0f}, 5604), Sandstone(Rgb(0xB89A78), 5605, 30.0f));
    canvas.Fill(*RoundedRect({640.0f, 262.0f, 800.0f, 290.0f}, 0.0f), Sandstone(Rgb(0xA88A68), 5609, 20.0f));
    DrawTemple(canvas, {646.0f, 168.0f, 800.0f, 266.0f}, 8, palette::kMarble);
    // The village on the cliff at the left, and cypresses.
    canvas.Fill(*Hill(kSceneLeft - 40.0f, 460.0f, horizon + 6.0f, {320.0f, 262.0f}, 5606), Sandstone(Rgb(0xA88A68), 5607, 30.0f));
    for (int i = 0; i < 14; ++i) {
        const unsigned k = 5610u + static_cast<unsigned>(i) * 5u;
        const float x = kSceneLeft + 6.0f + 130.0f * Scatter(k);
        const float y = horizon + 8.0f - 56.0f * Scatter(k + 1u) * (x < 330.0f ? 1.0f : 1.0f - (x - 330.0f) / 120.0f);
        const float w = 16.0f + 12.0f * Scatter(k + 2u), h = 12.0f + 8.0f * Scatter(k + 3u);
        canvas.Fill(*RoundedRect({x, y - h, x + w, y}, 1.0f), LinearGradient({x, 0.0f}, Rgb(0xFFFFFF), {x + w, 0.0f}, Rgb(0xC8D0D8)));
        canvas.Fill(*RoundedRect({x + w * 0.35f, y - h * 0.55f, x + w * 0.35f + 4.0f, y}, 1.0f), Solid(Rgb(0x1E5AB0)));
        if (i % 4 == 0)
            canvas.Fill(*Circle({x + w * 0.5f, y - h}, w * 0.35f), Solid(Rgb(0x1E5AB0)));
    }
    for (const float x : {296.0f, 318.0f, 420.0f})
        PaintCypress(canvas, {x, horizon + 12.0f}, 80.0f, Rgb(0x1E3A24), 5620u + static_cast<unsigned>(x));
    ShadeTheBoardsPlace(canvas, 0.3f);
    // The terrace: a meander border and marble flags; olives at its ends.
    DrawMeanderBand(canvas, {kSceneLeft, 526.0f, kW, 546.0f}, Rgb(0x1E4A9A), Rgb(0xF0EEE8));
    canvas.Fill(*RoundedRect({kSceneLeft, 546.0f, kW, kH}, 0.0f), Ashlar(Rgb(0xE8E4DA), 27.0f, 80.0f, 5608));
    canvas.Fill(*RoundedRect({kSceneLeft, 546.0f, kW, kH}, 0.0f), LinearGradient({0.0f, 546.0f}, Rgb(0x000000, 0.1f), {0.0f, kH}, Rgb(0x000000, 0.3f)));
    PaintOlive(canvas, {292.0f, 540.0f}, 110.0f, 5630);
    PaintOlive(canvas, {778.0f, 540.0f}, 120.0f, 5631);

    PanelLook look;
    look.stage = 6;
    look.body = Marble(palette::kMarble, palette::kMarbleVein, 5640, 70.0f);
    look.rim = palette::kGold;
    look.plate = Rgb(0x1A3A7A);
    look.niche = Marble(Rgb(0x2A3A5A), Rgb(0x4A5A7A), 5641, 50.0f);
    look.medallion = Rgb(0x1E3A6A);
    look.ornament = [](Canvas& c) { DrawMeanderBand(c, kFootBand, Rgb(0x1E4A9A), Rgb(0xF0EEE8)); };
    PaintSidePanel(canvas, look);
}

// Troy: the great walls and towers under a stormy red sky, the plain before
// them with the besiegers' fires.
void PaintTroy(Canvas& canvas)
{
    const float horizon = 430.0f;
    PaintSky(canvas, horizon, {{0.0f, Rgb(0x1A1226)}, {0.45f, Rgb(0x4A2236)}, {0.8f, Rgb(0xA8443A)}, {1.0f, Rgb(0xE8884A)}});
    PaintClouds(canvas, {kSceneLeft, 20.0f, kW, 330.0f}, Rgb(0xE87A4A), Rgb(0x2A1420), 5701, 0.55f);
    // The walls: sloping courses of great blocks, battlements on top, two
    // towers.
    const Colour stone = Rgb(0x9A7A62);
    const Paint ashlar = Ashlar(stone, 16.0f, 44.0f, 5702);
    const ShapePtr wall = Polygon({{kSceneLeft, 262.0f}, {kW, 262.0f}, {kW, horizon + 2.0f}, {kSceneLeft, horizon + 2.0f}});
    canvas.Fill(*wall, ashlar);
    canvas.Fill(*wall, LinearGradient({0.0f, 262.0f}, Rgb(0xFF8A50, 0.25f), {0.0f, horizon}, Rgb(0x000000, 0.35f)));
    for (float x = kSceneLeft; x < kW; x += 30.0f)
        canvas.Fill(*RoundedRect({x + 4.0f, 246.0f, x + 22.0f, 263.0f}, 0.0f), ashlar);
    for (const Box tower : {Box{300.0f, 190.0f, 372.0f, horizon + 2.0f}, Box{706.0f, 170.0f, 796.0f, horizon + 2.0f}}) {
        const ShapePtr body = RoundedRect(tower, 0.0f);
        canvas.Shadow(*body, {5.0f, 2.0f}, 6.0f, Rgb(0x000000, 0.45f));
        canvas.Fill(*body, ashlar);
        canvas.Fill(*body, LinearGradient({tower.left, 0.0f}, Rgb(0xFF9A60, 0.3f), {tower.right, 0.0f}, Rgb(0x000000, 0.4f)));
        for (float x = tower.left; x < tower.right - 8.0f; x += 18.0f)
            canvas.Fill(*RoundedRect({x, tower.top - 14.0f, x + 11.0f, tower.top + 1.0f}, 0.0f), ashlar);
        canvas.Fill(*RoundedRect({(tower.left + tower.right) * 0.5f - 4.0f, tower.top + 30.0f, (tower.left + tower.right) * 0.5f + 4.0f, tower.top + 50.0f}, 3.0f),
                    Solid(Rgb(0xFFB060, 0.9f)));
    }
    // The plain with the besiegers' fires.
    const ValueNoise dust(5703);
    canvas.Fill(*RoundedRect({kSceneLeft, horizon, kW, kH}, 0.0f), [&](Vec2 p) {
        const float depth = Clamp01((p.y - horizon) / (kH - horizon));
        const Colour c = Mix(Rgb(0x8A5A3A), Rgb(0x3A2418), depth);
        return Shade(c, 0.85f + 0.3f * dust.Fractal(p.x / 60.0f, p.y / 12.0f, 4));
    });
    for (int i = 0; i < 9; ++i) {
        const unsigned k = 5710u + static_cast<unsigned>(i) * 3u;
        const Vec2 at{kSceneLeft + 20.0f + 510.0f * Scatter(k), horizon + 14.0f + 50.0f * Scatter(k + 1u)};
        canvas.Fill(*Circle(at, 30.0f), RadialGradient(at, 30.0f, {{0.0f, Rgb(0xFFA040, 0.5f)}, {1.0f, Rgb(0xFFA040, 0.0f)}}));
        canvas.Fill(*Ellipse(at, 3.0f, 4.0f), Solid(Rgb(0xFFE0A0)));
    }
    ShadeTheBoardsPlace(canvas, 0.35f);
    // Shields and spears leaning in the front at the left.
    for (int i = 0; i < 3; ++i) {
        const Vec2 at{292.0f + 22.0f * static_cast<float>(i), 556.0f - 4.0f * static_cast<float>(i % 2)};
        canvas.Fill(*Polyline({{at.x - 10.0f, at.y + 30.0f}, {at.x + 14.0f, at.y - 80.0f}}, 2.5f), Solid(Rgb(0x5A3A1A)));
        canvas.Fill(*Polygon({{at.x + 14.0f, at.y - 80.0f}, {at.x + 10.0f, at.y - 92.0f}, {at.x + 20.0f, at.y - 96.0f}, {at.x + 18.0f, at.y - 80.0f}}),
                    Solid(palette::kBronzeLight));
        const ShapePtr shield = Circle(at, 18.0f);
        canvas.Shadow(*shield, {3.0f, 3.0f}, 3.0f, Rgb(0x000000, 0.5f));
        DrawMetalPlate(canvas, *shield, {at.x - 18.0f, at.y - 18.0f, at.x + 18.0f, at.y + 18.0f}, palette::kBronze, false);
        DrawRosette(canvas, at, 6.0f, palette::kBronzeLight);
    }

    PanelLook look;
    look.stage = 7;
    const ValueNoise grain(5720);
    look.body = [grain](Vec2 p) {
        // Oak boards laid across, dark with age, with bronze nails.
        const float board = std::floor(p.y / 46.0f);
        const float ring = grain.Fractal(p.x / 80.0f, p.y / 3.0f + board * 11.0f, 4);
        Colour c = Shade(Rgb(0x5A3A22), 0.7f + 0.45f * ring);
        const float seam = std::fmod(p.y, 46.0f);
        if (seam < 1.5f)
            return Shade(c, 0.4f);
        const float nx = std::fmod(p.x, 40.0f) - 20.0f, ny = seam - 6.0f;
        if (nx * nx + ny * ny < 6.0f)
            return Mix(palette::kBronzeLight, palette::kBronzeDark, Clamp01((nx + ny) * 0.2f + 0.5f));
        return c;
    };
    look.rim = palette::kBronze;
    look.plate = Rgb(0x2A1A10);
    look.niche = Mottled(Solid(Rgb(0x3A2414)), 5721, 18.0f, 0.22f);
    look.medallion = Rgb(0x3A1E10);
    look.ornament = [](Canvas& c) {
        c.Fill(*RoundedRect(kFootBand, 3.0f), Solid(Rgb(0x2A1A10)));
        for (float x = kFootBand.left + 12.0f; x < kFootBand.right - 6.0f; x += 22.0f)
            DrawRosette(c, {x, (kFootBand.top + kFootBand.bottom) * 0.5f}, 7.0f, palette::kBronzeLight);
    };
    PaintSidePanel(canvas, look);
}

} // namespace

void DrawCountryBackdrop(Canvas& canvas, int stage)
{
    static const std::function<void(Canvas&)> kCountries[7] = {PaintPhoenicia, PaintBabylon, PaintEgypt, PaintCarthage,
                                                                PaintRome,      PaintGreece,  PaintTroy};
    kCountries[std::clamp(stage, 1, 7) - 1](canvas);
}
