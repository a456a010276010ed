// The light ray strip's geometry and its bright window.

#include "gui/effects/RayStrip.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

int PairAlpha(const RayStrip& ray, int i)
{
    return static_cast<int>(ray._mesh.vertices[static_cast<std::size_t>(2 * i)].diffuse >> 24);
}

void BuildStraight(RayStrip& ray, int n)
{
    ray.AddPoint(0.0f, 0.0f, 10.0f);
    ray.AddPoint(100.0f, 0.0f, 10.0f);
    ray.Build(n);
}

} // namespace

TEST(RayStrip, AStraightCurveGivesARibbonAcrossItsCentreLine)
{
    RayStrip ray;
    BuildStraight(ray, 9);
    ASSERT_EQ(ray._mesh.vertices.size(), 20u);
    EXPECT_EQ(ray._mesh.primitiveCount, 18u);
    for (int i = 0; i <= 9; ++i) {
        const Vertex& a = ray._mesh.vertices[static_cast<std::size_t>(2 * i)];
        const Vertex& b = ray._mesh.vertices[static_cast<std::size_t>(2 * i + 1)];
        const float t = static_cast<float>(i) / 10.0f;
        EXPECT_NEAR(a.x, 100.0f * t, 1e-3f);
        EXPECT_NEAR(a.y, -10.0f, 1e-4f); // A below the centre line
        EXPECT_NEAR(b.y, 10.0f, 1e-4f);  // B above
        EXPECT_FLOAT_EQ(a.u, t);
        EXPECT_EQ(a.v, 0.0f);
        EXPECT_EQ(b.v, 1.0f);
    }
}

TEST(RayStrip, TheBrightWindowSweepsAlongTheRibbon)
{
    RayStrip ray;
    BuildStraight(ray, 19); // pairs at s = i / 20
    for (int i = 0; i <= 19; ++i)
        EXPECT_EQ(PairAlpha(ray, i), 0) << "progress 0, pair " << i;

    ray.SetProgress(0.5f);
    for (int i = 0; i <= 19; ++i) {
        const float s = static_cast<float>(i) / 20.0f;
        float expected = 255.0f * (1.0f - std::fabs(s - 0.5f) / 0.25f);
        if (expected < 0.0f || i == 19)
            expected = 0.0f;
        EXPECT_NEAR(PairAlpha(ray, i), expected, 1.0f) << "pair " << i;
    }
    EXPECT_EQ(PairAlpha(ray, 10), 255);

    ray.SetProgress(0.8f); // head at 0.95, on the last pair
    EXPECT_EQ(PairAlpha(ray, 19), 0); // the last pair always stays dark
    EXPECT_GT(PairAlpha(ray, 18), 0);
}

TEST(RayStrip, PairColourAndDrawingParameters)
{
    RayStrip ray;
    BuildStraight(ray, 19);
    ray.SetProgress(0.5f);
    ray.SetPairColor(Color(10, 20, 30, 99));
    EXPECT_EQ(ray._mesh.vertices[20].diffuse, 0xFF0A141Eu); // alpha stays the window's
    ray.SetFade(1.0f);
    ray.SetProgress(0.0f); // head at -1: the start just dark
    EXPECT_NEAR(PairAlpha(ray, 0), 0, 1);
    ray.SetProgress(1.0f / 3.0f); // head at 0
    EXPECT_NEAR(PairAlpha(ray, 0), 255, 1);
    ray.SetScroll(-5.0f);
    ray.SetRepeat(0.2f);
    EXPECT_EQ(ray._scroll, -5.0f);
    EXPECT_EQ(ray._repeat, 0.2f);
}

TEST(RayStrip, TheHeadPointLeadsTheWindowAndReportsPassingTheEnd)
{
    RayStrip ray;
    BuildStraight(ray, 10);
    struct Case {
        float progress, x, past;
    };
    for (const Case& c : {Case{0.0f, 0.0f, 0.0f}, Case{0.5f, 75.0f, 0.0f}, Case{0.6f, 90.0f, 0.0f},
                          Case{0.7f, 100.0f, 1.0f}, Case{1.0f, 100.0f, 1.0f}}) {
        ray.SetProgress(c.progress);
        const RayHeadPoint head = ray.GetHeadPoint();
        EXPECT_NEAR(head.x, c.x, 0.01f) << c.progress;
        EXPECT_EQ(head.past, c.past) << c.progress;
    }
}

TEST(RayStrip, RepeatedPointsGiveARibbonThatDrawsNothingAndHoldsNoNaN)
{
    RayStrip ray;
    ray.AddPoint(5.0f, 5.0f, 10.0f);
    ray.AddPoint(5.0f, 5.0f, 10.0f);
    ray.AddPoint(5.0f, 5.0f, 10.0f);
    ray.Build(8);
    EXPECT_FALSE(ray._drawable);
    for (const Vertex& v : ray._mesh.vertices) {
        EXPECT_FALSE(std::isnan(v.x));
        EXPECT_FALSE(std::isnan(v.y));
    }
    ray.Draw(); // no device here: nothing is drawn and nothing breaks
}
