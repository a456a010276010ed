#include "engine/util/Color.h"
#include "engine/util/MathFunctions.h"
#include "engine/util/Point.h"
#include "engine/util/Random.h"
#include "engine/util/Vector3.h"

#include <gtest/gtest.h>

#include <cmath>

#include <tinyxml.h>

TEST(Color, ConstructorsAndPacking)
{
    EXPECT_EQ(Color(), Color(255, 255, 255, 255));
    EXPECT_EQ(Color(128), Color(255, 255, 255, 128));
    EXPECT_EQ(Color(0x12, 0x34, 0x56, 0x78).ToArgb(), 0x78123456u);
    EXPECT_EQ(LerpColor(Color(0, 0, 0, 255), Color(255, 255, 255, 255), 0.5f), Color(127, 127, 127, 255));
    EXPECT_EQ(LerpByte(200, 100, 0.5f), 150);
}

TEST(MathFunctions, TruncateToIntStaysInTheIntRange)
{
    const struct {
        float value;
        int expected;
    } cases[] = {
        {2.9f, 2},
        {-2.9f, -2},
        {1e30f, 2147483647},
        {-1e30f, -2147483647 - 1},
        {INFINITY, 2147483647},
        {-INFINITY, -2147483647 - 1},
        {NAN, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TruncateToInt(c.value), c.expected) << c.value;
}

TEST(MathFunctions, EaseLerpAndPeriod)
{
    const struct {
        float t, accel, decel, expected;
    } cases[] = {
        {0.25f, 0.0f, 0.0f, 0.25f},
        {1.0f, 0.5f, 0.5f, 1.0f},
        {0.15f, 0.3f, 0.7f, 0.075f},
        {0.5f, 0.3f, 0.7f, 1.0f - 0.25f / 0.7f},
        {0.2f, 0.6f, 0.6f, 0.08f}, // accel = decel = 0.5: k = 1, 1 / 0.5 x 0.2^2
    };
    for (const auto& c : cases)
        EXPECT_NEAR(ease(c.t, c.accel, c.decel), c.expected, 1e-6f) << c.t << " " << c.accel << " " << c.decel;
    EXPECT_FLOAT_EQ(getPeriod(7.5f, 2.0f), 1.5f);
    EXPECT_FLOAT_EQ(getPeriod(-7.5f, 2.0f), -1.5f);
    EXPECT_FLOAT_EQ(lerp(1.0f, 3.0f, 0.25f), 1.5f);
    EXPECT_EQ(LerpInt(10, 20, 0.55f), 15);
}

TEST(MathFunctions, EaseWithAShareOfZeroRunsFromZeroToOne)
{
    // A curve without an accelerating or a decelerating part runs at constant
    // speed into that end; it never divides by the missing share.
    const struct {
        float t, accel, decel, expected;
    } cases[] = {
        {1.0f, 0.3f, 0.0f, 1.0f},
        {0.0f, 0.3f, 0.0f, 0.0f},
        {0.15f, 0.3f, 0.0f, 0.15f * 0.15f / (0.3f * 1.7f)},
        {0.65f, 0.3f, 0.0f, (1.3f - 0.3f) / 1.7f},
        {1.0f, 1.0f, 0.0f, 1.0f},
        {0.5f, 1.0f, 0.0f, 0.25f},
        {1.0f, 2.0f, 0.0f, 1.0f}, // normalised to a whole accelerating span
        {0.0f, 0.0f, 0.3f, 0.0f},
        {1.0f, 0.0f, 0.3f, 1.0f},
        {0.35f, 0.0f, 0.3f, 0.7f / 1.7f},
        {0.0f, 0.0f, 1.0f, 0.0f},
        {0.5f, 0.0f, 1.0f, 0.75f},
        {1.0f, 0.0f, 1.0f, 1.0f},
        {0.0f, 0.0f, 0.0f, 0.0f},
        {1.0f, 0.0f, 0.0f, 1.0f},
    };
    for (const auto& c : cases) {
        const float value = ease(c.t, c.accel, c.decel);
        EXPECT_FALSE(std::isnan(value)) << c.t << " " << c.accel << " " << c.decel;
        EXPECT_NEAR(value, c.expected, 1e-6f) << c.t << " " << c.accel << " " << c.decel;
    }
}

TEST(MathFunctions, EaseEndsExactlyAtOneForEveryAcceleratingShare)
{
    for (int i = 0; i <= 100; ++i) {
        const float accel = static_cast<float>(i) / 100.0f;
        EXPECT_EQ(ease(1.0f, accel, 0.0f), 1.0f) << accel;
        EXPECT_EQ(ease(1.0f, accel, 1.0f - accel), 1.0f) << accel;
        EXPECT_EQ(ease(0.0f, accel, 0.0f), 0.0f) << accel;
    }
}

TEST(MathFunctions, RandomRangesStayInside)
{
    SeedRandom(7);
    bool seen3 = false, seen4 = false;
    for (int i = 0; i < 500; ++i) {
        const int v = RandomIntRange(3, 5);
        ASSERT_TRUE(v == 3 || v == 4) << v;
        seen3 |= v == 3;
        seen4 |= v == 4;
        const float f = RandomFloatRange(-1.0f, 1.0f);
        ASSERT_GE(f, -1.0f);
        ASSERT_LT(f, 1.0f);
        const int r = RandomIndex(6);
        ASSERT_GE(r, 0);
        ASSERT_LT(r, 6);
        ASSERT_LT(RandomFloat(2.0f), 2.0f);
    }
    EXPECT_TRUE(seen3 && seen4);
}

TEST(Vector3AndPoint, Operations)
{
    const Vector3 c = Cross(Vector3(1, 0, 0), Vector3(0, 1, 0));
    EXPECT_EQ(c.z, 1.0f);
    Vector3 v(3, 0, 4);
    EXPECT_FLOAT_EQ(v.Length(), 5.0f);
    v.Normalize();
    EXPECT_FLOAT_EQ(v.x, 0.6f);
    EXPECT_FLOAT_EQ((v / 0.5f).z, 1.6f);

    TiXmlElement element("at");
    element.SetAttribute("x", 12);
    EXPECT_EQ(ReadPoint(&element), Point(12, 0));
    EXPECT_EQ(Point(1, 2) + Point(3, 4), Point(4, 6));
}
