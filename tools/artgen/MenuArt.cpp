#include "tools/artgen/MenuArt.h"

#include "tools/artgen/CountryArt.h"
#include "tools/artgen/Ornaments.h"
#include "tools/artgen/Palette.h"
#include "tools/artgen/ValueNoise.h"
#include "tools/artgen/WidgetArt.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kPi = 3.14159265f;

float W(const Canvas& canvas) { return static_cast<float>(canvas.Width()); }
float H(const Canvas& canvas) { return static_cast<float>(canvas.Height()); }

Box Whole(const Canvas& canvas) { return {0.0f, 0.0f, W(canvas), H(canvas)}; }

// The blue-green cast that water puts on everything in it, stronger with
// the distance.
Colour UnderWater(const Colour& c, float distance)
{
    return Mix(c, Rgb(0x1A5A78, c.a), Clamp01(distance));
}

// A soft band of light from the surface, slanting down.
void LightShaft(Canvas& canvas, float topX, float slant, float width, float length, float alpha)
{
    const float h = std::min(length, H(canvas));
    const Vec2 top{topX, -10.0f};
    const Vec2 bottom{topX + slant * h, h};
    const ShapePtr band = Polygon({{top.x - width * 0.5f, top.y}, {top.x + width * 0.5f, top.y},
                                   {bottom.x + width * 0.9f, bottom.y}, {bottom.x - width * 0.9f, bottom.y}});
    canvas.Fill(*band, [&](Vec2 p) {
        const float along = Clamp01(p.y / h);
        const float centre = top.x + slant * p.y;
        const float across = std::fabs(p.x - centre) / (width * (0.5f + 0.4f * along));
        const float a = alpha * (1.0f - SmoothStep(0.2f, 1.0f, across)) * (1.0f - SmoothStep(0.4f, 1.0f, along));
        return Rgb(0xD8F4FF, a);
    });
}

// Dunes of sand along the bottom with their upper edge from noise.
void SeaFloor(Canvas& canvas, float top, unsigned seed)
{
    const float w = W(canvas), h = H(canvas);
    const ValueNoise ridge(seed);
    std::vector<Vec2> points{{-4.0f, h + 4.0f}};
    for (float x = -4.0f; x <= w + 4.0f; x += 4.0f)
        points.push_back({x, top + 26.0f * ridge.Fractal(x / 160.0f, 0.3f, 3) - 10.0f});
    points.push_back({w + 4.0f, h + 4.0f});
    const ValueNoise ripples(seed + 1);
    canvas.Fill(*Polygon(points), [&](Vec2 p) {
        const float depth = Clamp01((p.y - top) / (h - top));
        Colour sand = Mix(Rgb(0x8C9C84), Rgb(0xC8B886), depth);
        const float ripple = ripples.Fractal(p.x / 30.0f, p.y / 6.0f, 3);
        sand = Shade(sand, 0.8f + 0.35f * ripple);
        return UnderWater(sand, 0.45f - 0.35f * depth);
    });
}

// A fluted column of worn stone in the box, its capital at the top.
void SunkenColumn(Canvas& canvas, const Box& box, unsigned seed, float broken)
{
    const float w = box.Width();
    const Colour stone = Rgb(0xA8B8B0);
    const float shaftTop = box.top + w * 0.45f;
    Box shaft{box.left + w * 0.1f, shaftTop, box.right - w * 0.1f, box.bottom - w * 0.2f};
    if (broken > 0.0f)
        shaft.top = box.top + broken;
    ShapePtr body = RoundedRect(shaft, 2.0f);
    if (broken > 0.0f)
        body = Subtract(body, Polygon({{shaft.left - 2.0f, shaft.top - 2.0f}, {shaft.right + 2.0f, shaft.top - 2.0f},
                                       {shaft.right + 2.0f, shaft.top + w * 0.35f}, {shaft.left + w * 0.5f, shaft.top + w * 0.1f},
                                       {shaft.left - 2.0f, shaft.top + w * 0.4f}}));
    body = Roughen(body, seed, 14.0f, 1.6f);
    canvas.Shadow(*body, {5.0f, 3.0f}, 6.0f, Rgb(0x041820, 0.45f));
    const ValueNoise algae(seed + 7);
    canvas.Fill(*body, [&](Vec2 p) {
        // Light from the upper left: the shaft is lit on its left.
        const float across = (p.x - shaft.left) / shaft.Width();
        const float flute = 0.5f + 0.5f * std::cos(across * kPi * 8.0f);
        Colour c = Shade(stone, 1.15f - 0.55f * across - 0.08f * flute);
        const float green = SmoothStep(0.5f, 0.8f, algae.Fractal(p.x / 12.0f, p.y / 20.0f, 3));
        c = Mix(c, Rgb(0x3E6A3A), green * 0.55f);
        return UnderWater(c, 0.25f + 0.35f * (p.y - box.top) / box.Height());
    });
    canvas.Bevel(*body, 3.0f, 0.4f);
    if (broken <= 0.0f) {
        // Capital and its abacus.
        const ShapePtr echinus = Roughen(RoundedRect({box.left, box.top + w * 0.18f, box.right, shaftTop + 2.0f}, w * 0.12f), seed + 2, 10.0f, 1.2f);
        const ShapePtr abacus = Roughen(RoundedRect({box.left - w * 0.06f, box.top, box.right + w * 0.06f, box.top + w * 0.2f}, 2.0f), seed + 3, 10.0f, 1.2f);
        for (const ShapePtr& part : {echinus, abacus}) {
            canvas.Fill(*part, LinearGradient({box.left, 0}, UnderWater(Shade(stone, 1.2f), 0.2f), {box.right, 0}, UnderWater(Shade(stone, 0.6f), 0.35f)));
            canvas.Bevel(*part, 2.0f, 0.5f);
        }
    }
    // Base.
    const ShapePtr base = Roughen(RoundedRect({box.left - w * 0.04f, box.bottom - w * 0.22f, box.right + w * 0.04f, box.bottom}, 3.0f), seed + 4, 10.0f, 1.0f);
    canvas.Fill(*base, LinearGradient({box.left, 0}, UnderWater(Shade(stone, 1.1f), 0.5f), {box.right, 0}, UnderWater(Shade(stone, 0.55f), 0.6f)));
    canvas.Bevel(*base, 2.0f, 0.4f);
}

// A stone block with algae, lit from the upper left.
void StoneBlock(Canvas& canvas, ShapePtr shape, const Box& box, unsigned seed, float distance)
{
    const ShapePtr worn = Roughen(shape, seed, 16.0f, 2.0f);
    canvas.Shadow(*worn, {4.0f, 4.0f}, 6.0f, Rgb(0x041820, 0.4f));
    const ValueNoise algae(seed + 11);
    canvas.Fill(*worn, [&](Vec2 p) {
        const float down = Clamp01((p.y - box.top) / std::max(1.0f, box.Height()));
        Colour c = Shade(Rgb(0xA4B4AC), 1.1f - 0.4f * down);
        const float green = SmoothStep(0.55f, 0.8f, algae.Fractal(p.x / 16.0f, p.y / 10.0f, 3));
        c = Mix(c, Rgb(0x3A6436), green * 0.5f);
        return UnderWater(c, distance);
    });
    canvas.Bevel(*worn, 3.0f, 0.5f);
}

// Gold letters in an ink outline with a soft shadow, for titles on the menu.
LetteringStyle GoldLettering()
{
    LetteringStyle style;
    style.fill = {{0.0f, palette::kGoldLight}, {0.58f, palette::kGold}, {1.0f, palette::kBronze}};
    style.outline = palette::kInk;
    style.outlineWidth = 1;
    style.shadow = Rgb(0x000000, 0.7f);
    style.shadowBlur = 2;
    style.shadowOffset = {2.0f, 2.0f};
    return style;
}

Colour GemColour(int index)
{
    static const std::uint32_t kColours[] = {0xD81E3A, 0xF09A1C, 0x1EB454, 0x2458D8, 0x9C3CD0, 0x22C4C0, 0xE8F0FF};
    return Rgb(kColours[std::clamp(index, 0, 6)]);
}

// The outline of a fish of one kind: body and tail swung by the angle.
struct FishLook {
    Colour back;
    Colour belly;
    Colour fin;
    float depth;   // body height / body length
    int stripes;
};

FishLook FishKind(int kind)
{
    static const FishLook kLooks[] = {
        {Rgb(0x4C7CA8), Rgb(0xE4F0F4), Rgb(0x6C9CC8), 0.36f, 0},
        {Rgb(0xD8A020), Rgb(0xFFF0B8), Rgb(0xF0C040), 0.40f, 3},
        {Rgb(0xC83A30), Rgb(0xF8C8B0), Rgb(0xE05840), 0.38f, 0},
        {Rgb(0x38A060), Rgb(0xE8F0A0), Rgb(0x60C080), 0.30f, 2},
        {Rgb(0x6A3CA8), Rgb(0xE0C8F0), Rgb(0x9060D0), 0.58f, 4},
    };
    return kLooks[std::clamp(kind, 0, 4)];
}

} // namespace

void DrawUnderwaterBackdrop(Canvas& canvas)
{
    const float w = W(canvas), h = H(canvas);
    canvas.FillAll(LinearGradient({0, 0}, {0, h},
                                  {{0.0f, Rgb(0x4AA8C8)}, {0.18f, Rgb(0x2A7CA4)}, {0.55f, Rgb(0x125480)}, {1.0f, Rgb(0x0A2E50)}}));
    // The surface far above: a bright rippling ceiling.
    const ValueNoise surface(4401);
    canvas.Fill(*RoundedRect({0, 0, w, h * 0.2f}, 0.0f), [&](Vec2 p) {
        const float n = surface.Fractal(p.x / 70.0f, p.y / 9.0f, 4);
        const float fade = 1.0f - SmoothStep(0.0f, h * 0.2f, p.y);
        return Rgb(0xE0FAFF, SmoothStep(0.5f, 0.8f, n) * 0.5f * fade);
    });
    for (int i = 0; i < 7; ++i) {
        const float x = w * (0.08f + 0.15f * static_cast<float>(i));
        LightShaft(canvas, x, 0.18f + 0.03f * static_cast<float>(i % 3), 30.0f + 12.0f * static_cast<float>(i % 2), h * 0.85f,
                   0.10f + 0.05f * static_cast<float>((i * 5) % 3));
    }
    // Far rocks in the haze.
    const ValueNoise rocks(4402);
    std::vector<Vec2> ridge{{-4.0f, h}};
    for (float x = -4.0f; x <= w + 4.0f; x += 4.0f)
        ridge.push_back({x, h * 0.72f - 60.0f * rocks.Fractal(x / 120.0f, 0.7f, 4)});
    ridge.push_back({w + 4.0f, h});
    canvas.Fill(*Polygon(ridge), Solid(Rgb(0x1C5E7C, 0.7f)));
    // The floor rises to the temple's steps; stones lie about on it.
    SeaFloor(canvas, h * 0.665f, 4403);
    const ValueNoise scatter(4404);
    for (int i = 0; i < 14; ++i) {
        const float x = w * scatter.At(static_cast<float>(i) * 3.1f, 0.5f) * 1.1f - 20.0f;
        const float y = h * (0.72f + 0.26f * scatter.At(static_cast<float>(i) * 1.7f, 2.5f));
        const float r = 6.0f + 16.0f * scatter.At(static_cast<float>(i) * 2.3f, 4.5f) * (y / h);
        const Box box{x - r, y - r * 0.6f, x + r, y + r * 0.6f};
        const ShapePtr stone = Roughen(Ellipse({x, y}, r, r * 0.6f), 4410u + static_cast<unsigned>(i), 8.0f, 1.5f);
        canvas.Shadow(*stone, {3.0f, 2.0f}, 3.0f, Rgb(0x0A2030, 0.5f));
        canvas.Fill(*stone, LinearGradient({box.left, box.top}, UnderWater(Rgb(0x9A9A88), 0.3f), {box.right, box.bottom},
                                           UnderWater(Rgb(0x4A5048), 0.4f)));
    }
    // Darker towards the corners, as if seen through a diver's glass.
    const float cx = w * 0.5f, cy = h * 0.45f;
    canvas.Transform([&](Colour c, int x, int y) {
        const float dx = (static_cast<float>(x) - cx) / cx, dy = (static_cast<float>(y) - cy) / cy;
        return Shade(c, 1.0f - 0.35f * SmoothStep(0.6f, 1.6f, std::sqrt(dx * dx + dy * dy)));
    });
}

void DrawColonnade(Canvas& canvas)
{
    const float h = H(canvas);
    canvas.Clear(Rgb(0x000000, 0.0f));
    // The stepped floor the temple stands on.
    const float floorTop = h - 34.0f;
    for (int step = 0; step < 3; ++step) {
        const float top = floorTop + 11.0f * static_cast<float>(step);
        const float inset = 14.0f * static_cast<float>(2 - step);
        const Box box{-10.0f + inset * 0.3f, top, 500.0f - inset, top + 12.0f};
        StoneBlock(canvas, RoundedRect(box, 2.0f), box, 4500u + static_cast<unsigned>(step), 0.35f);
    }
    // Five columns under the beam.
    const float beamBottom = 118.0f;
    for (int i = 0; i < 5; ++i) {
        const float x = 24.0f + 96.0f * static_cast<float>(i);
        SunkenColumn(canvas, {x, beamBottom, x + 46.0f, floorTop + 2.0f}, 4510u + static_cast<unsigned>(i), 0.0f);
    }
    // The beam, broken off between the fourth and fifth column, and a
    // piece of the pediment over its left end.
    const Box beam{8.0f, 70.0f, 372.0f, beamBottom + 2.0f};
    const ShapePtr beamShape = Polygon({{beam.left, beam.top}, {beam.right, beam.top}, {beam.right - 14.0f, beam.top + 20.0f},
                                        {beam.right + 8.0f, beam.top + 30.0f}, {beam.right - 6.0f, beam.bottom},
                                        {beam.left, beam.bottom}});
    StoneBlock(canvas, beamShape, beam, 4520u, 0.3f);
    const Box end{402.0f, 92.0f, 484.0f, beamBottom + 2.0f};
    StoneBlock(canvas, Polygon({{end.left + 10.0f, end.top}, {end.right, end.top + 4.0f}, {end.right, end.bottom},
                                {end.left, end.bottom}, {end.left + 16.0f, end.top + 12.0f}}),
               end, 4521u, 0.3f);
    const Box pediment{8.0f, 20.0f, 232.0f, 72.0f};
    StoneBlock(canvas, Polygon({{pediment.left, pediment.bottom}, {pediment.left + 150.0f, pediment.top},
                                {pediment.right, pediment.top + 30.0f}, {pediment.right - 30.0f, pediment.bottom}}),
               pediment, 4522u, 0.35f);
    // On the right, out of the way of the menu: a broken column and a
    // fallen drum.
    SunkenColumn(canvas, {742.0f, 150.0f, 784.0f, h + 6.0f}, 4530u, 60.0f);
    const Box drum{560.0f, h - 40.0f, 700.0f, h};
    StoneBlock(canvas, RoundedRect(drum, 16.0f), drum, 4531u, 0.45f);
    // Weed in the joints of the floor.
    const ValueNoise tufts(4540);
    for (float x = 0.0f; x < 500.0f; x += 9.0f) {
        const float n = tufts.At(x / 9.0f, 0.5f);
        if (n < 0.55f)
            continue;
        const float tall = 10.0f + 22.0f * n;
        canvas.Fill(*Polyline({{x, floorTop + 2.0f}, {x + 3.0f, floorTop - tall * 0.5f}, {x + 1.0f, floorTop - tall}}, 2.0f),
                    Solid(UnderWater(Rgb(0x4C8C3C), 0.3f)));
    }
}

void DrawLightMask(Canvas& canvas)
{
    const float w = W(canvas), h = H(canvas);
    canvas.Clear(Rgb(0xFFFFFF, 0.0f));
    const ValueNoise caustic(4601);
    const ValueNoise caustic2(4602);
    canvas.Transform([&](Colour, int x, int y) {
        const float fx = static_cast<float>(x), fy = static_cast<float>(y);
        // Two layers of noise whose middle values make the bright net.
        const float a = caustic.Fractal(fx / 46.0f, fy / 30.0f, 3);
        const float b = caustic2.Fractal(fx / 38.0f + 3.0f, fy / 26.0f, 3);
        const float net = (1.0f - SmoothStep(0.0f, 0.06f, std::fabs(a - 0.5f))) * 0.6f +
                          (1.0f - SmoothStep(0.0f, 0.05f, std::fabs(b - 0.5f))) * 0.4f;
        const float fromTop = 1.0f - SmoothStep(0.0f, h * 0.9f, fy);
        return Rgb(0xCCF0FF, Clamp01(net * 0.22f * (0.35f + 0.65f * fromTop)));
    });
    for (int i = 0; i < 4; ++i)
        LightShaft(canvas, w * (0.15f + 0.22f * static_cast<float>(i)), 0.2f, 46.0f, h, 0.16f);
}

void DrawSchoolFish(Canvas& canvas)
{
    const float w = W(canvas), h = H(canvas);
    canvas.Clear(Rgb(0xFFFFFF, 0.0f));
    const float mid = h * 0.5f;
    const ShapePtr body = Unite(Ellipse({w * 0.6f, mid}, w * 0.34f, h * 0.34f),
                                Polygon({{w * 0.3f, mid}, {w * 0.04f, mid - h * 0.42f}, {w * 0.1f, mid}, {w * 0.04f, mid + h * 0.42f}}));
    canvas.Fill(*body, LinearGradient({0, mid - h * 0.4f}, Rgb(0x7FA6C0), {0, mid + h * 0.4f}, Rgb(0xF0F8FF)));
    canvas.Fill(*Circle({w * 0.84f, mid - h * 0.06f}, h * 0.07f), Solid(Rgb(0x102030)));
}

void DrawWeed(Canvas& canvas)
{
    const float w = W(canvas), h = H(canvas);
    canvas.Clear(Rgb(0x2E6A2E, 0.0f));
    // A stem that narrows upward with leaf blades on both sides.
    const float cx = w * 0.5f;
    std::vector<Vec2> stem;
    for (float y = h; y >= h * 0.02f; y -= 4.0f) {
        const float up = 1.0f - y / h;
        stem.push_back({cx + 4.0f * std::sin(up * 9.0f), y});
    }
    canvas.Fill(*Polyline(stem, 4.0f), Solid(Rgb(0x2C5A24)));
    for (int i = 0; i < 14; ++i) {
        const float up = 0.08f + 0.065f * static_cast<float>(i);
        const float y = h * (1.0f - up);
        const float side = (i % 2 == 0) ? 1.0f : -1.0f;
        const float length = w * (0.46f - 0.18f * up);
        const Vec2 root{cx + 4.0f * std::sin(up * 9.0f), y};
        const ShapePtr blade = Ellipse(root + Vec2{side * length * 0.5f, -length * 0.35f}, length * 0.55f, length * 0.16f, side * -0.6f);
        canvas.Fill(*blade, LinearGradient(root, Rgb(0x2E6A26), root + Vec2{side * length, -length * 0.5f}, Rgb(0x7CB848)));
        canvas.Stroke(*blade, 1.0f, Solid(Rgb(0x1C3C14, 0.6f)));
    }
}

void DrawMenuGem(Canvas& canvas, int index)
{
    const float w = W(canvas), h = H(canvas);
    canvas.Clear(Rgb(0x000000, 0.0f));
    const Colour c = GemColour(index);
    const Vec2 centre{w * 0.5f, h * 0.52f};
    const float r = std::min(w, h) * 0.42f;
    // An octagonal cut with a table and eight facets around it.
    const ShapePtr body = Star(centre, 4, r, r, kPi / 8.0f);
    canvas.Glow(*body, 5.0f, WithAlpha(Shade(c, 1.4f), 0.6f));
    canvas.Shadow(*body, {2.0f, 3.0f}, 3.0f, Rgb(0x000000, 0.6f));
    canvas.Fill(*body, RadialGradient(centre - Vec2{r, r} * 0.3f, r * 1.6f, {{0.0f, Shade(c, 1.7f)}, {0.5f, c}, {1.0f, Shade(c, 0.3f)}}));
    const ShapePtr table = Star(centre, 4, r * 0.55f, r * 0.55f, kPi / 8.0f);
    for (int k = 0; k < 8; ++k) {
        const float a0 = kPi / 8.0f + kPi / 4.0f * static_cast<float>(k);
        const float a1 = a0 + kPi / 4.0f;
        const Vec2 outer0 = centre + Vec2{std::cos(a0), std::sin(a0)} * r;
        const Vec2 outer1 = centre + Vec2{std::cos(a1), std::sin(a1)} * r;
        const Vec2 inner0 = centre + Vec2{std::cos(a0), std::sin(a0)} * (r * 0.55f);
        const Vec2 inner1 = centre + Vec2{std::cos(a1), std::sin(a1)} * (r * 0.55f);
        // Facets facing the light (upper left) are brighter.
        const float facing = std::cos((a0 + a1) * 0.5f + kPi * 0.75f);
        canvas.Fill(*Polygon({outer0, outer1, inner1, inner0}), Solid(WithAlpha(Shade(c, 1.0f + 0.5f * facing), 0.7f)));
    }
    canvas.Fill(*table, LinearGradient(centre - Vec2{r, r} * 0.5f, Shade(c, 1.6f), centre + Vec2{r, r} * 0.5f, Shade(c, 0.9f)));
    canvas.Stroke(*table, 1.0f, Solid(WithAlpha(Shade(c, 1.9f), 0.7f)));
    canvas.Stroke(*body, 1.5f, Solid(WithAlpha(Shade(c, 0.3f), 0.9f)));
    canvas.Fill(*Star(centre - Vec2{r * 0.32f, r * 0.32f}, 4, r * 0.22f, r * 0.05f), Solid(Rgb(0xFFFFFF, 0.9f)));
}

void DrawLightBeam(Canvas& canvas, int kind)
{
    const float w = W(canvas), h = H(canvas);
    // Tiles along u: the noise repeats every period cells across the width.
    const int period = 8;
    const ValueNoise streaks(4700u + static_cast<unsigned>(kind), period);
    canvas.Transform([&](Colour, int x, int y) {
        const float u = static_cast<float>(x) / w * static_cast<float>(period);
        const float v = (static_cast<float>(y) + 0.5f) / h;
        const float across = std::fabs(v - 0.5f) * 2.0f;
        float light = 0.0f;
        if (kind == 0) {
            const float core = std::exp(-across * across * 6.0f);
            light = core * (0.55f + 0.45f * streaks.Fractal(u, v * 3.0f, 3));
        } else if (kind == 1) {
            const float lines = streaks.Fractal(u * 2.0f, v * 10.0f, 2);
            light = SmoothStep(0.55f, 0.85f, lines) * (1.0f - SmoothStep(0.4f, 1.0f, across));
        } else {
            light = std::exp(-across * across * 3.0f) * (0.7f + 0.3f * streaks.Fractal(u, 1.5f, 2));
        }
        const float k = Clamp01(light);
        return Colour{k, k, k, 1.0f};
    });
}

void DrawHiScoreTablet(Canvas& canvas, TitleLetterer& serifBold)
{
    const Box whole = Whole(canvas);
    canvas.Clear(Rgb(0x000000, 0.0f));
    const Box slab = whole.Grown(-4.0f);
    const ShapePtr shape = RoundedRect(slab, 14.0f);
    canvas.Shadow(*shape, {4.0f, 5.0f}, 6.0f, Rgb(0x000000, 0.55f));
    canvas.Fill(*shape, Mottled(LinearGradient({0, slab.top}, Rgb(0x1C3448, 0.92f), {0, slab.bottom}, Rgb(0x0C1A28, 0.92f)), 4801, 40.0f, 0.12f));
    DrawBronzeFrame(canvas, slab, 9.0f, 14.0f, palette::kBronze);
    DrawMeanderBand(canvas, {slab.left + 22.0f, slab.top + 62.0f, slab.right - 22.0f, slab.top + 74.0f}, palette::kGoldDark,
                    Rgb(0x000000, 0.0f));
    DrawLettering(canvas, serifBold, "Hall of Fame", 30, 1, {whole.Width() * 0.5f, slab.top + 18.0f}, GoldLettering());
    // Faint rules under the ten rows.
    for (int i = 0; i < 10; ++i) {
        const float y = slab.top + 116.0f + 31.0f * static_cast<float>(i);
        canvas.Fill(*RoundedRect({slab.left + 24.0f, y, slab.right - 24.0f, y + 1.0f}, 0.0f), Solid(Rgb(0xC8A860, 0.25f)));
    }
}

void DrawWelcomeLettering(Canvas& canvas, TitleLetterer& serifBold)
{
    canvas.Clear(Rgb(0x000000, 0.0f));
    DrawLettering(canvas, serifBold, "Welcome,", static_cast<int>(H(canvas) * 0.62f), 0, {W(canvas) * 0.5f, H(canvas) * 0.12f},
                  GoldLettering());
}

void DrawChangePlayerPlate(Canvas& canvas, TitleLetterer& serifBold, bool glow)
{
    const Box whole = Whole(canvas);
    canvas.Clear(Rgb(0x000000, 0.0f));
    const Box plate = whole.Grown(-6.0f);
    const ShapePtr shape = RoundedRect(plate, plate.Height() * 0.5f);
    if (glow) {
        canvas.Glow(*shape, 6.0f, Rgb(0xFFE8A0, 0.8f));
        canvas.Fill(*shape, Solid(Rgb(0xFFE8A0, 0.35f)));
        return;
    }
    canvas.Shadow(*shape, {1.0f, 2.0f}, 2.0f, Rgb(0x000000, 0.6f));
    DrawMetalPlate(canvas, *shape, plate, palette::kBronze, false);
    LetteringStyle style;
    style.fill = {{0.0f, palette::kGoldLight}, {1.0f, palette::kGold}};
    style.outline = palette::kInk;
    style.outlineWidth = 1;
    DrawLettering(canvas, serifBold, "Change player", static_cast<int>(plate.Height() * 0.58f), 0,
                  {whole.Width() * 0.5f, plate.top + plate.Height() * 0.14f}, style);
}

void DrawLogoButton(Canvas& canvas, TitleLetterer& serifBold, bool hovered)
{
    canvas.Clear(Rgb(0x000000, 0.0f));
    const float w = W(canvas), h = H(canvas);
    if (hovered) {
        // A warm glow behind the whole mark.
        const Box glow{2.0f, 2.0f, w - 2.0f, h - 2.0f};
        canvas.Fill(*RoundedRect(glow, h * 0.4f), RadialGradient({w * 0.45f, h * 0.5f}, w * 0.55f,
                                                               {{0.0f, Rgb(0xFFE890, 0.75f)}, {0.6f, Rgb(0xFFD060, 0.35f)}, {1.0f, Rgb(0xFFD060, 0.0f)}}));
    }
    DrawLogo(canvas, serifBold);
    if (hovered)
        canvas.Transform([](Colour c, int, int) { return Shade(c, 1.35f); });
}

void DrawScreenshot(Canvas& canvas, int index, bool colour)
{
    const Box whole = Whole(canvas);
    const float w = whole.Width(), h = whole.Height();
    switch (index) {
    case 0: { // a level screen: Egypt's backdrop, a board of chips in its frame
        Canvas screen(800, 600);
        DrawCountryBackdrop(screen, 3);
        const Box board{377.0f, 140.0f, 697.0f, 460.0f};
        screen.Shadow(*RoundedRect(board.Grown(8.0f), 8.0f), {6.0f, 8.0f}, 10.0f, Rgb(0x000000, 0.6f));
        screen.Fill(*RoundedRect(board, 4.0f), Solid(Rgb(0x5A3E22)));
        const int cells = 8;
        const float cell = board.Width() / static_cast<float>(cells);
        for (int r = 0; r < cells; ++r)
            for (int c = 0; c < cells; ++c) {
                const Vec2 centre{board.left + cell * (static_cast<float>(c) + 0.5f), board.top + cell * (static_cast<float>(r) + 0.5f)};
                screen.Stroke(*RoundedRect({centre.x - cell * 0.5f, centre.y - cell * 0.5f, centre.x + cell * 0.5f, centre.y + cell * 0.5f}, 2.0f),
                              1.0f, Solid(Rgb(0xE0C080, 0.4f)));
                const int kind = (r * 3 + c * 5 + (r * c) % 4) % 5;
                const Colour chip = GemColour(kind);
                const ShapePtr shape = kind % 2 == 0 ? Circle(centre, cell * 0.4f) : Star(centre, kind == 1 ? 3 : 4, cell * 0.44f, cell * 0.44f);
                screen.Fill(*shape, RadialGradient(centre - Vec2{cell * 0.15f, cell * 0.15f}, cell * 0.55f,
                                                   {{0.0f, Shade(chip, 1.6f)}, {1.0f, Shade(chip, 0.55f)}}));
            }
        DrawBronzeFrame(screen, board.Grown(10.0f), 12.0f, 8.0f, palette::kGold);
        screen.Fill(*RoundedRect({280.0f, 570.0f, 796.0f, 590.0f}, 8.0f), Solid(Rgb(0x40C0FF)));
        screen.Fill(*Circle({141.0f, 483.0f}, 40.0f), RadialGradient({141.0f, 483.0f}, 44.0f, {{0.0f, Rgb(0xFFFFE0)}, {0.6f, Rgb(0xFFD040)}, {1.0f, Rgb(0xE08010)}}));
        // Shrunk to the screenshot, each pixel the mean of the screen's
        // pixels it covers.
        const float sx = 800.0f / w, sy = 600.0f / h;
        canvas.Transform([&](const Colour&, int x, int y) {
            Colour sum{0.0f, 0.0f, 0.0f, 0.0f};
            int n = 0;
            for (int yy = static_cast<int>(static_cast<float>(y) * sy); yy < static_cast<int>(static_cast<float>(y + 1) * sy); ++yy)
                for (int xx = static_cast<int>(static_cast<float>(x) * sx); xx < static_cast<int>(static_cast<float>(x + 1) * sx); ++xx, ++n) {
                    const Colour c = screen.At(xx, yy);
                    sum.r += c.r;
                    sum.g += c.g;
                    sum.b += c.b;
                }
            const float k = n > 0 ? 1.0f / static_cast<float>(n) : 0.0f;
            return Colour{sum.r * k, sum.g * k, sum.b * k, 1.0f};
        });
        break;
    }
    case 1: { // the map: coasts, a dotted route and a flag
        canvas.FillAll(LinearGradient({0, 0}, palette::kSea, {w, h}, palette::kSeaDeep));
        const ValueNoise land(4901);
        canvas.Transform([&](Colour c, int x, int y) {
            const float n = land.Fractal(static_cast<float>(x) / 40.0f, static_cast<float>(y) / 40.0f, 4);
            const float edge = n + 0.25f * (static_cast<float>(y) / h - 0.5f) - 0.1f * std::fabs(static_cast<float>(x) / w - 0.5f);
            if (edge > 0.56f)
                return Mix(palette::kSandstone, palette::kOlive, SmoothStep(0.6f, 0.75f, edge));
            if (edge > 0.53f)
                return Rgb(0xE8D8A8);
            return c;
        });
        std::vector<Vec2> route{{w * 0.1f, h * 0.8f}, {w * 0.3f, h * 0.6f}, {w * 0.5f, h * 0.62f}, {w * 0.7f, h * 0.4f}, {w * 0.86f, h * 0.25f}};
        for (std::size_t i = 0; i + 1 < route.size(); ++i)
            for (int k = 0; k < 6; ++k) {
                const float t = static_cast<float>(k) / 6.0f;
                canvas.Fill(*Circle(route[i] + (route[i + 1] - route[i]) * t, 1.6f), Solid(palette::kTerracottaDark));
            }
        const Vec2 flag = route[2];
        canvas.Fill(*Polyline({flag, flag - Vec2{0.0f, 22.0f}}, 1.5f), Solid(palette::kInk));
        canvas.Fill(*Polygon({flag - Vec2{0.0f, 22.0f}, flag - Vec2{-14.0f, 17.0f}, flag - Vec2{0.0f, 12.0f}}), Solid(palette::kTerracotta));
        DrawBronzeFrame(canvas, whole, 3.0f, 2.0f, palette::kBronze);
        break;
    }
    case 2: { // the menu: the sunken colonnade with its gems
        canvas.FillAll(LinearGradient({0, 0}, {0, h}, {{0.0f, Rgb(0x4AA8C8)}, {0.6f, Rgb(0x125480)}, {1.0f, Rgb(0x0A2E50)}}));
        canvas.Fill(*RoundedRect({0, h * 0.82f, w, h}, 0.0f), Solid(Rgb(0x8C9C84)));
        for (int i = 0; i < 4; ++i) {
            const float x = w * (0.08f + 0.16f * static_cast<float>(i));
            canvas.Fill(*RoundedRect({x, h * 0.22f, x + w * 0.07f, h * 0.82f}, 1.0f),
                        LinearGradient({x, 0}, Rgb(0xB8C8C0), {x + w * 0.07f, 0}, Rgb(0x5A7A78)));
        }
        canvas.Fill(*RoundedRect({w * 0.04f, h * 0.14f, w * 0.62f, h * 0.23f}, 1.0f), Solid(Rgb(0x9AAAA4)));
        for (int i = 0; i < 7; ++i)
            canvas.Fill(*Star({w * (0.08f + 0.075f * static_cast<float>(i)), h * 0.9f}, 4, 5.0f, 5.0f, kPi / 8.0f), Solid(GemColour(i)));
        for (int i = 0; i < 4; ++i)
            canvas.Fill(*RoundedRect({w * 0.7f, h * (0.3f + 0.13f * static_cast<float>(i)), w * 0.94f, h * (0.39f + 0.13f * static_cast<float>(i))}, 3.0f),
                        Solid(palette::kBronze));
        for (int i = 0; i < 5; ++i) {
            const Vec2 fish{w * (0.2f + 0.14f * static_cast<float>(i)), h * (0.4f + 0.06f * static_cast<float>(i % 3))};
            canvas.Fill(*Ellipse(fish, 6.0f, 2.5f), Solid(Rgb(0xE0F0F8, 0.9f)));
        }
        break;
    }
    default: { // the shield: a bronze round with the set pieces
        canvas.FillAll(LinearGradient({0, 0}, Rgb(0x5A2E1A), {0, h}, Rgb(0x24120A)));
        const Vec2 centre{w * 0.5f, h * 0.5f};
        const float r = h * 0.42f;
        canvas.Fill(*Circle(centre, r), RadialGradient(centre - Vec2{r, r} * 0.3f, r * 1.5f,
                                                        {{0.0f, palette::kBronzeLight}, {0.6f, palette::kBronze}, {1.0f, palette::kBronzeDark}}));
        canvas.Stroke(*Circle(centre, r * 0.8f), 2.0f, Solid(palette::kGoldDark));
        for (int k = 0; k < 7; ++k) {
            const float a = kPi * 2.0f * static_cast<float>(k) / 7.0f - kPi * 0.5f;
            canvas.Fill(*Star(centre + Vec2{std::cos(a), std::sin(a)} * (r * 0.6f), 4, r * 0.14f, r * 0.14f, kPi / 8.0f), Solid(GemColour(k)));
        }
        DrawRosette(canvas, centre, r * 0.25f, palette::kGold);
        break;
    }
    }
    if (!colour)
        canvas.Transform([](Colour c, int, int) { return Greyed(c, 1.0f); });
}

void DrawFishFrame(Canvas& canvas, int kind, int frame)
{
    const float w = W(canvas), h = H(canvas);
    canvas.Clear(Rgb(0x000000, 0.0f));
    const FishLook look = FishKind(kind);
    const float swing = std::sin(2.0f * kPi * static_cast<float>(frame) / 8.0f);
    const float mid = h * 0.5f;
    const float length = w * 0.66f;
    const Vec2 head{w * 0.94f, mid};
    const Vec2 root{head.x - length, mid + swing * h * 0.04f};
    const float depth = length * look.depth;
    // The body, bent a little with the tail.
    std::vector<Vec2> outline;
    for (int i = 0; i <= 16; ++i) {
        const float t = static_cast<float>(i) / 16.0f; // 0 at the tail root, 1 at the snout
        const float bend = swing * h * 0.05f * (1.0f - t) * (1.0f - t);
        const float thick = depth * 0.5f * std::pow(std::sin(kPi * (0.08f + 0.9f * t)), 0.8f);
        outline.push_back({root.x + length * t, mid + bend - thick});
    }
    for (int i = 16; i >= 0; --i) {
        const float t = static_cast<float>(i) / 16.0f;
        const float bend = swing * h * 0.05f * (1.0f - t) * (1.0f - t);
        const float thick = depth * 0.5f * std::pow(std::sin(kPi * (0.08f + 0.9f * t)), 0.8f) * 0.9f;
        outline.push_back({root.x + length * t, mid + bend + thick});
    }
    const ShapePtr body = Polygon(outline);
    // The tail fin, swung.
    const float tailAngle = swing * 0.45f;
    const Vec2 tipUp = root + Rotated(Vec2{-w * 0.2f, -h * 0.36f}, tailAngle);
    const Vec2 tipDown = root + Rotated(Vec2{-w * 0.2f, h * 0.36f}, tailAngle);
    const Vec2 notch = root + Rotated(Vec2{-w * 0.12f, 0.0f}, tailAngle);
    const ShapePtr tail = Polygon({root + Vec2{4.0f, -depth * 0.12f}, tipUp, notch, tipDown, root + Vec2{4.0f, depth * 0.12f}});
    // Fins on the back and belly.
    const ShapePtr dorsal = Polygon({{root.x + length * 0.35f, mid - depth * 0.42f}, {root.x + length * 0.5f, mid - depth * 0.78f},
                                     {root.x + length * 0.66f, mid - depth * 0.44f}});
    const ShapePtr pelvic = Polygon({{root.x + length * 0.5f, mid + depth * 0.38f}, {root.x + length * 0.56f, mid + depth * 0.7f},
                                     {root.x + length * 0.66f, mid + depth * 0.36f}});
    for (const ShapePtr& fin : {tail, dorsal, pelvic}) {
        canvas.Fill(*fin, Solid(WithAlpha(look.fin, 0.85f)));
        canvas.Stroke(*fin, 1.0f, Solid(WithAlpha(Shade(look.fin, 0.5f), 0.7f)));
    }
    canvas.Fill(*body, LinearGradient({0, mid - depth * 0.5f}, look.back, {0, mid + depth * 0.5f}, look.belly));
    for (int s = 0; s < look.stripes; ++s) {
        const float x = root.x + length * (0.3f + 0.16f * static_cast<float>(s));
        canvas.Fill(*Intersect(body, RoundedRect({x, 0.0f, x + length * 0.05f, h}, 0.0f)), Solid(Rgb(0x1A1A1A, 0.35f)));
    }
    canvas.Stroke(*body, 1.2f, Solid(WithAlpha(Shade(look.back, 0.45f), 0.8f)));
    canvas.Bevel(*body, depth * 0.25f, 0.35f);
    // Gill and eye.
    canvas.Stroke(*Arc({root.x + length * 0.78f, mid}, depth * 0.3f, 1.2f, -1.2f, 1.2f), 0.5f, Solid(WithAlpha(Shade(look.back, 0.4f), 0.7f)));
    const Vec2 eye{root.x + length * 0.88f, mid - depth * 0.1f};
    canvas.Fill(*Circle(eye, depth * 0.11f), Solid(Rgb(0xFFFFFF)));
    canvas.Fill(*Circle(eye + Vec2{depth * 0.02f, 0.0f}, depth * 0.06f), Solid(Rgb(0x0A0A10)));
}

void DrawBubble(Canvas& canvas)
{
    const float w = W(canvas), h = H(canvas);
    canvas.Clear(Rgb(0xFFFFFF, 0.0f));
    const Vec2 centre{w * 0.5f, h * 0.5f};
    const float r = std::min(w, h) * 0.42f;
    canvas.Fill(*Circle(centre, r), RadialGradient(centre, r, {{0.0f, Rgb(0xFFFFFF, 0.05f)}, {0.75f, Rgb(0xFFFFFF, 0.2f)}, {1.0f, Rgb(0xFFFFFF, 0.8f)}}));
    canvas.Fill(*Circle(centre - Vec2{r * 0.35f, r * 0.35f}, r * 0.22f), Solid(Rgb(0xFFFFFF, 0.9f)));
}
