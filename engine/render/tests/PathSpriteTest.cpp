// Path sprites without a device: where the quads of fish and strips lie on
// their paths, and paths that stand still.

#include "engine/render/Fish.h"
#include "engine/render/FrameSequence.h"
#include "engine/render/PathQuad.h"
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

} // namespace
