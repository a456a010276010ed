#include "engine/util/SplinePath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

SplinePath<float> Curve(std::initializer_list<float> values, bool closed)
{
    SplinePath<float> curve;
    for (float v : values)
        curve.addKey(v);
    curve.CalculateGradient(closed);
    return curve;
}

std::vector<float> Gradients(const SplinePath<float>& curve)
{
    std::vector<float> result;
    for (const auto& key : curve.keys)
        result.push_back(key.gradient);
    return result;
}

} // namespace

TEST(SplinePath, AddKeyHoldsTheValueAsGradientUntilCalculated)
{
    SplinePath<float> curve;
    curve.addKey(3.0f);
    curve.addKey(7.0f);
    EXPECT_EQ(curve.keys[1].gradient, 7.0f);
    EXPECT_EQ(curve.getSectors(), 1);
}

TEST(SplinePath, KeyedKeysAtZeroAndOneGiveAStraightMove)
{
    SplinePath<float> move;
    move.addKey(0.0f, 120.0f);
    move.addKey(1.0f, 440.0f);
    ASSERT_EQ(move.getSectors(), 1);
    EXPECT_EQ(move.keys[0].gradient, 120.0f); // the value, until calculated
    move.CalculateGradient(false);
    for (float t : {0.0f, 0.1f, 0.25f, 0.5f, 0.9f})
        EXPECT_NEAR(move.getGlobalFrame(t), 120.0f + 320.0f * t, 1e-3f) << t;
    EXPECT_EQ(move.getGlobalFrame(1.0f), 440.0f);

    // Keyed keys in rising order make the same curve as plain ones.
    SplinePath<float> keyed;
    keyed.addKey(0.0f, 0.0f);
    keyed.addKey(0.5f, 10.0f);
    keyed.addKey(1.0f, 0.0f);
    keyed.CalculateGradient(false);
    const SplinePath<float> plain = Curve({0.0f, 10.0f, 0.0f}, false);
    EXPECT_EQ(Gradients(keyed), Gradients(plain));
    EXPECT_EQ(keyed.getGlobalFrame(0.3f), plain.getGlobalFrame(0.3f));
}

TEST(SplinePath, GradientsOfOpenAndClosedCurves)
{
    const struct {
        std::initializer_list<float> values;
        bool closed;
        std::vector<float> gradients;
    } cases[] = {
        {{0, 10, 20}, false, {10, 10, 10}},
        {{0, 10, 0}, true, {5, 0, -5, 5}},  // key 0 appended
        {{1, 4, 2, 8}, false, {3, 0.5f, 2, 6}},
        {{5}, false, {5}},                   // too few keys: untouched
        {{5}, true, {0, 0}},                 // the copy of the only key
    };
    for (const auto& c : cases) {
        const SplinePath<float> curve = Curve(c.values, c.closed);
        EXPECT_EQ(Gradients(curve), c.gradients);
    }

    SplinePath<float> empty;
    empty.CalculateGradient(true);
    EXPECT_TRUE(empty.keys.empty());
}

TEST(SplinePath, ClosingTwiceAppendsKeyZeroTwice)
{
    SplinePath<float> curve = Curve({0, 10, 0}, true);
    curve.CalculateGradient(true);
    EXPECT_EQ(curve.getSectors(), 4);
}

TEST(SplinePath, ValuesAndSlopesMeetTheKeys)
{
    const SplinePath<float> curve = Curve({1, 4, 2, 8}, false);
    for (int i = 0; i < curve.getSectors(); ++i) {
        const auto& a = curve.keys[static_cast<size_t>(i)];
        const auto& b = curve.keys[static_cast<size_t>(i) + 1];
        EXPECT_FLOAT_EQ(curve.getFrame(i, 0.0f), a.value);
        EXPECT_FLOAT_EQ(curve.getFrame(i, 1.0f), b.value);
        EXPECT_FLOAT_EQ(curve.getGradient(i, 0.0f), a.gradient);
        EXPECT_FLOAT_EQ(curve.getGradient(i, 1.0f), b.gradient);
    }
    // Midway in sector 0 of 0, 10, 20: the straight line.
    const SplinePath<float> line = Curve({0, 10, 20}, false);
    EXPECT_FLOAT_EQ(line.getFrame(0, 0.5f), 5.0f);
    EXPECT_FLOAT_EQ(line.getGradient(0, 0.5f), 10.0f);
    // The slope is the derivative of the value.
    const float h = 1e-3f;
    const float numeric = (curve.getFrame(1, 0.4f + h) - curve.getFrame(1, 0.4f - h)) / (2 * h);
    EXPECT_NEAR(curve.getGradient(1, 0.4f), numeric, 1e-2f);
}

TEST(SplinePath, GlobalFrameRunsOverTheWholeCurve)
{
    const SplinePath<float> curve = Curve({0, 10, 20}, false);
    const struct {
        float t;
        float value;
    } cases[] = {{0.0f, 0.0f}, {0.25f, 5.0f}, {0.5f, 10.0f}, {0.75f, 15.0f}, {1.0f, 20.0f},
                 {3.0f, 20.0f}, {-0.5f, 0.0f}, {std::numeric_limits<float>::quiet_NaN(), 0.0f}};
    for (const auto& c : cases)
        EXPECT_FLOAT_EQ(curve.getGlobalFrame(c.t), c.value) << c.t;

    EXPECT_FLOAT_EQ(curve.GradientAt(0.25f), 10.0f);
    EXPECT_FLOAT_EQ(curve.GradientAt(1.0f), 10.0f);

    const SplinePath<float> bend = Curve({0, 10, 0}, false);
    EXPECT_FLOAT_EQ(bend.GradientAt(1.0f), -10.0f); // the last key's gradient
    EXPECT_FLOAT_EQ(bend.GradientAt(0.5f), 0.0f);
}

TEST(SplinePath, SingleKeyAndEmptyCurvesAnswerWithoutReadingPastTheKeys)
{
    SplinePath<float> single;
    single.addKey(4.0f);
    EXPECT_EQ(single.getSectors(), 0);
    for (float t : {-1.0f, 0.0f, 0.3f, 1.0f, 2.0f})
        EXPECT_EQ(single.getGlobalFrame(t), 4.0f);
    EXPECT_EQ(single.getFrame(0, 0.5f), 4.0f);
    EXPECT_EQ(single.getGradient(0, 0.5f), 0.0f);

    SplinePath<float> empty;
    EXPECT_EQ(empty.getSectors(), -1);
    EXPECT_EQ(empty.getGlobalFrame(0.5f), 0.0f);
    EXPECT_EQ(empty.GradientAt(0.5f), 0.0f);
    EXPECT_EQ(empty.getFrame(0, 0.5f), 0.0f);
    EXPECT_EQ(empty.getGradient(2, 0.5f), 0.0f);

    const SplinePath<float> curve = Curve({1, 4, 2, 8}, false);
    EXPECT_EQ(curve.getFrame(-1, 0.5f), 1.0f);
    EXPECT_EQ(curve.getFrame(3, 0.5f), 8.0f);
    EXPECT_EQ(curve.getGradient(-1, 0.5f), 3.0f);
    EXPECT_EQ(curve.getGradient(7, 0.5f), 6.0f);

    single.Clear();
    EXPECT_EQ(single.getSectors(), -1);
}
