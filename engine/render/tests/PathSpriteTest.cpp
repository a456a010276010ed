// Path sprites without a device: where the quads of fish and strips lie on
// their paths, paths that stand still, and a school fish set off at random.

#include "engine/render/Fish.h"
#include "engine/render/FrameSequence.h"
#include "engine/render/PathQuad.h"
#include "engine/util/Random.h"
#include "engine/util/Vector3Path.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

void ExpectVector(const Vector3& v, float x, float y, float z, const char* what)
{
    EXPECT_NEAR(v.x, x, 1e-3f) << what;
    EXPECT_NEAR(v.y, y, 1e-3f) << what;
    EXPECT_NEAR(v.z, z, 1e-3f) << what;
}

Vector3Path Line(const Vector3& from, const Vector3& to)
{
    Vector3Path path;
    path.keys.push_back({from, to - from});
    path.keys.push_back({to, to - from});
    return path;
}

TEST(Vector3Path, PositionAndTangent)
{
    const Vector3Path path = Line(Vector3(0, 0, 0), Vector3(100, 0, -50));
    ExpectVector(path.Position(0, 0.5f), 50, 0, -25, "middle");
    ExpectVector(path.Tangent(0, 0.5f), 100, 0, -50, "slope");
    ExpectVector(path.Position(5, 0.5f), 100, 0, -50, "past the end");
    ExpectVector(path.Position(-1, 0.5f), 0, 0, 0, "before the start");
    ExpectVector(Vector3Path().Position(0, 0.5f), 0, 0, 0, "empty");
}

TEST(Fish, QuadFollowsThePathAndTurnsWithIt)
{
    const Vector3Path right = Line(Vector3(100, 200, 0), Vector3(300, 200, 0));
    Fish fish;
    fish.path = &right;
    fish.scale = 0.5f;
    Vector3 c[4];
    bool headingLeft = true;
    ASSERT_TRUE(fish.Corners(0.0f, c, headingLeft));
    EXPECT_FALSE(headingLeft);
    ExpectVector(c[0], 100, 200, 0, "P");
    ExpectVector(c[1], 228, 200, 0, "P + a");
    ExpectVector(c[2], 100, 264, 0, "P + b");
    ExpectVector(c[3], 228, 264, 0, "P + a + b");

    // Heading left, the cross vector is flipped so the picture stays upright.
    const Vector3Path left = Line(Vector3(300, 200, 0), Vector3(100, 200, 0));
    fish.path = &left;
    ASSERT_TRUE(fish.Corners(20.0f, c, headingLeft));
    EXPECT_TRUE(headingLeft);
    ExpectVector(c[1], 172, 200, 20, "P + a");
    ExpectVector(c[2], 300, 264, 20, "P + b");
}

TEST(Fish, StandingStillNeverDividesByZero)
{
    Vector3Path still;
    still.keys.push_back({Vector3(10, 20, 0), Vector3()});
    still.keys.push_back({Vector3(10, 20, 0), Vector3()});
    Fish fish;
    fish.path = &still;
    Vector3 c[4];
    bool headingLeft = true;
    ASSERT_TRUE(fish.Corners(0.0f, c, headingLeft));
    EXPECT_FALSE(headingLeft);
    ExpectVector(c[3], 10 + 256, 20 + 128, 0, "heading right");

    PathQuad strip;
    strip.path = &still;
    ASSERT_TRUE(strip.Corners(c));
    for (const Vector3& v : c)
        EXPECT_TRUE(std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z));

    // Scale 0 gives a point, not a division by zero.
    fish.scale = 0.0f;
    ASSERT_TRUE(fish.Corners(0.0f, c, headingLeft));
    ExpectVector(c[3], 10, 20, 0, "no size");
}

TEST(Fish, FrameOfThePhase)
{
    FrameSequence frames("", "f", "png", 4, 0, 1);
    Fish fish;
    EXPECT_EQ(fish.Frame(), -1);
    fish.frames = &frames;
    const struct {
        float phase;
        int frame;
    } cases[] = {{0.0f, 0}, {0.3f, 1}, {0.99f, 3}, {1.0f, 3}, {-0.5f, 0}};
    for (const auto& c : cases) {
        fish.phase = c.phase;
        EXPECT_EQ(fish.Frame(), c.frame) << c.phase;
    }
}

TEST(PathQuad, SwingsBetweenItsLimits)
{
    EXPECT_NEAR(PathQuadSwing(0.0f), -0.3f, 1e-6f);
    EXPECT_NEAR(PathQuadSwing(0.4999f), 0.3f, 1e-3f);
    EXPECT_NEAR(PathQuadSwing(0.5f), 0.3f, 1e-6f);
    EXPECT_NEAR(PathQuadSwing(0.9999f), -0.3f, 1e-3f);

    const Vector3Path right = Line(Vector3(0, 0, 0), Vector3(100, 0, 0));
    PathQuad strip;
    strip.path = &right;
    strip.scale = 2.0f;
    strip.phase = 0.5f; // swing 0.3
    Vector3 c[4];
    ASSERT_TRUE(strip.Corners(c));
    ExpectVector(c[1], 30, 0.3f * 9, 0, "P + c");
    ExpectVector(c[2], 0, 9, 0, "P + b");
}

TEST(PathQuad, InitRandomSpriteStateDrawsInRecordOrder)
{
    // Seed 1 gives 41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962.
    const Vector3Path track = Line(Vector3(0, 0, 0), Vector3(100, 0, 0));
    PathQuad fish;
    fish.path = &track;
    fish.enabled = false;
    fish.sector = 4;
    fish.speed = 3.0f;
    SeedRandom(1);
    InitRandomSpriteState(fish);
    EXPECT_EQ(fish.t, 0.999310255f);      // 1 - (41 k) x (18467 k), k = 3.0182806e-5
    EXPECT_EQ(fish.scale, 0.757797956f);  // 0.7 + 6334 x 9.125035e-6
    EXPECT_EQ(fish.phase, 0.799844384f);  // 26500 k
    EXPECT_EQ(fish.color.r, 240);
    EXPECT_EQ(fish.color.g, 236);
    EXPECT_EQ(fish.color.b, 232);
    EXPECT_EQ(fish.color.a, 249);
    EXPECT_EQ(fish.sector, 0);
    EXPECT_EQ(fish.speed, 1.0f);
    EXPECT_TRUE(fish.enabled);
    EXPECT_EQ(fish.path, &track);
    EXPECT_EQ(RandomInt(), 26962); // eight draws, no more

    // Every fish stays within its ranges.
    for (int i = 0; i < 2000; ++i) {
        InitRandomSpriteState(fish);
        ASSERT_GT(fish.t, 0.0f);
        ASSERT_LE(fish.t, 1.0f);
        ASSERT_GE(fish.scale, 0.7f);
        ASSERT_LT(fish.scale, 1.0f);
        ASSERT_GE(fish.phase, 0.0f);
        ASSERT_LT(fish.phase, 0.99f);
        ASSERT_GE(fish.color.r, 220);
        ASSERT_GE(fish.color.a, 200);
        ASSERT_LT(fish.color.a, 255);
    }
}

} // namespace
