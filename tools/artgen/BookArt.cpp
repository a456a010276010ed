#include "tools/artgen/BookArt.h"

#include "tools/artgen/Ornaments.h"
#include "tools/artgen/Palette.h"
#include "tools/artgen/ValueNoise.h"

#include <algorithm>
#include <cmath>

namespace {

// The arch on the 800 x 600 screen: the inner edges of the columns and the
// circle of the vault between them.
constexpr float kInnerLeft = 150.0f;
constexpr float kInnerRight = 650.0f;
constexpr float kSpringY = 300.0f;
constexpr float kColumnWidth = 110.0f;
constexpr float kStepsTop = 540.0f;
const Vec2 kVaultCentre{400.0f, kSpringY};
constexpr float kVaultRadius = (kInnerRight - kInnerLeft) * 0.5f;

// Distance from a screen point to the arch's inner edge (the right half).
float DistanceToRightEdge(Vec2 p)
{
    if (p.y >= kSpringY)
        return std::fabs(p.x - kInnerRight) + std::max(0.0f, p.y - kStepsTop);
    return std::fabs(Length(p - kVaultCentre) - kVaultRadius);
}

// The stone of the arch: the two columns and the vault, the hole cut out.
ShapePtr ArchStone()
{
    const ShapePtr outer = Unite(RoundedRect({kInnerLeft - kColumnWidth, 0.0f, kInnerRight + kColumnWidth, kStepsTop}, 0.0f),
                                 RoundedRect({0.0f, kStepsTop, 800.0f, 600.0f}, 0.0f));
    const ShapePtr opening =
        Unite(Circle(kVaultCentre, kVaultRadius), RoundedRect({kInnerLeft, kSpringY, kInnerRight, kStepsTop + 1.0f}, 0.0f));
    return Subtract(outer, opening);
}

} // namespace

void DrawHistoryBack(Canvas& canvas)
{
    const float w = static_cast<float>(canvas.Width()), h = static_cast<float>(canvas.Height());
    canvas.FillAll(LinearGradient({0, 0}, {0, h},
                                  {{0.0f, Rgb(0x2A7A9A)}, {0.35f, Rgb(0x14506E)}, {0.75f, Rgb(0x0A2A44)}, {1.0f, Rgb(0x061828)}}));
    // Light from the surface in slanting shafts.
    const ValueNoise shafts(1301);
    canvas.FillAll([&](Vec2 p) {
        const float along = p.x + p.y * 0.35f;
        const float beam = std::pow(shafts.At(along / 70.0f, 0.5f), 3.0f);
        const float fade = 1.0f - SmoothStep(0.0f, 0.8f, p.y / h);
        return Rgb(0xBFEFFF, beam * fade * 0.35f);
    });
    // Far rocks on the sea floor.
    const ValueNoise rocks(1302);
    std::vector<Vec2> ridge{{0.0f, h}};
    for (float x = 0.0f; x <= w; x += 8.0f)
        ridge.push_back({x, h * 0.72f - 70.0f * rocks.Fractal(x / 160.0f, 0.3f, 4)});
    ridge.push_back({w, h});
    canvas.Fill(*Polygon(ridge), LinearGradient({0, h * 0.55f}, Rgb(0x123A50), {0, h}, Rgb(0x081C2C)));
    // Motes drifting in the water.
    const ValueNoise motes(1303);
    canvas.FillAll([&](Vec2 p) {
        const float n = motes.At(p.x / 3.0f, p.y / 3.0f);
        return Rgb(0xDFF6FF, SmoothStep(0.93f, 1.0f, n) * 0.5f);
    });
}

void DrawHistoryFirstPlane(Canvas& canvas)
{
    const ShapePtr stone = Bake(ArchStone(), canvas.Width(), canvas.Height());
    canvas.Shadow(*stone, {0.0f, 0.0f}, 14.0f, Rgb(0x000000, 0.7f));
    canvas.Fill(*stone, Mottled(Sandstone(Rgb(0x35504F), 1311, 46.0f), 1312, 30.0f, 0.35f));
    // Courses of the masonry.
    for (float y = 40.0f; y < kStepsTop; y += 48.0f)
        canvas.Fill(*Intersect(stone, RoundedRect({0.0f, y, 800.0f, y + 2.0f}, 0.0f)), Solid(Rgb(0x10202A, 0.45f)));
    // Voussoirs round the vault.
    for (int i = 1; i < 12; ++i) {
        const float a = 3.14159265f + static_cast<float>(i) * 3.14159265f / 12.0f;
        const Vec2 dir{std::cos(a), std::sin(a)};
        canvas.Fill(*Polyline({kVaultCentre + dir * kVaultRadius, kVaultCentre + dir * (kVaultRadius + 60.0f)}, 2.0f),
                    Solid(Rgb(0x10202A, 0.45f)));
    }
    canvas.Bevel(*stone, 12.0f, 0.45f);
    // The deep water darkens the stone from below.
    canvas.Fill(*stone, LinearGradient({0, 0}, Rgb(0x02101A, 0.25f), {0, 600}, Rgb(0x02101A, 0.6f)));
    // Steps across the bottom.
    for (int i = 0; i < 3; ++i) {
        const float y = kStepsTop + 20.0f * static_cast<float>(i);
        canvas.Fill(*RoundedRect({0.0f, y, 800.0f, y + 3.0f}, 0.0f), Solid(Rgb(0x0A1A22, 0.6f)));
    }
    // Weed growing up the columns' inner faces.
    const ValueNoise sway(1313);
    for (float base : {kInnerLeft - 16.0f, kInnerRight + 16.0f}) {
        for (int k = 0; k < 4; ++k) {
            std::vector<Vec2> blade;
            const float x0 = base + static_cast<float>(k - 2) * 7.0f;
            const float height = 120.0f + 60.0f * sway.At(static_cast<float>(k), base);
            for (float t = 0.0f; t <= 1.0f; t += 0.05f)
                blade.push_back({x0 + 10.0f * std::sin(t * 6.0f + static_cast<float>(k)), kStepsTop - t * height});
            canvas.Fill(*Polyline(blade, 4.0f - static_cast<float>(k % 2)), Solid(Rgb(0x2E6A3A, 0.85f)));
        }
    }
    DrawMeanderBand(canvas, {0.0f, 582.0f, 800.0f, 600.0f}, Rgb(0x9AC8C0), Rgb(0x0E2A30));
}

void DrawHistoryArcMask(Canvas& canvas)
{
    const float h = static_cast<float>(canvas.Height());
    canvas.FillAll([h](Vec2 p) {
        // The picture's bottom row is the screen's bottom; x 0 is the middle.
        const Vec2 screen{400.0f + p.x, 600.0f - (h - p.y)};
        const float d = DistanceToRightEdge(screen);
        const float glow = std::exp(-(d * d) / (2.0f * 16.0f * 16.0f)) * 0.85f + std::exp(-d / 50.0f) * 0.12f;
        // Faded out towards the middle, where the mirrored copy meets this
        // one a few points apart.
        return Rgb(0xFFFFFF, Clamp01(glow) * SmoothStep(0.0f, 56.0f, p.x));
    });
}
