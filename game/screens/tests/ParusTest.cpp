// The sail scene: the sail's grid at the start, the wind curves drawn anew
// from where they ended, once for every whole unit a long frame carries
// them, the clouds' pace at any frame rate, the clock and the pictures'
// address modes.

#include "engine/render/Sprite.h"
#include "engine/resources/ResourceManager.h"
#include "engine/util/Random.h"
#include "game/screens/Parus.h"
#include "game/screens/ParusController.h"
#include "game/screens/WindCurve.h"
#include "gui/controllers/ControllerManager.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

struct ParusFixture : ::testing::Test {
    void TearDown() override
    {
        kernel.FlushPending();
        kernel.Update(0.0f);
    }
};

// The curve's keys, for comparing two curves.
std::vector<float> Keys(const WindCurve& wind)
{
    std::vector<float> values;
    for (const auto& key : wind.curve.keys)
        values.push_back(key.value);
    return values;
}

} // namespace

TEST_F(ParusFixture, AtTheStartTheSailsCornersAreWhereTheGridPutsThem)
{
    Parus parus("Parus", nullptr);
    ASSERT_EQ(parus.t, 0.0f);
    const Parus::SailPoint first = parus.GridPoint(0, 0);
    EXPECT_EQ(first.x, 312.0f);
    EXPECT_EQ(first.y, 63.0f);
    EXPECT_EQ(first.u, 0.0f);
    EXPECT_EQ(first.v, 0.0f);
    EXPECT_EQ(first.colour, Color(233, 233, 233, 255));

    // The far corner moves with the wave, by sin(8) x 2 sin(3.14): the
    // factor is 3.14, so the corner is not quite still.
    const float d = std::sin(8.0f) * (2.0f * std::sin(3.14f));
    const Parus::SailPoint last = parus.GridPoint(8, 8);
    EXPECT_EQ(last.x, 764.0f + d);
    EXPECT_EQ(last.y, 565.0f + d);
    EXPECT_NE(d, 0.0f);
    EXPECT_EQ(last.u, 0.8828125f);
    EXPECT_EQ(last.v, 0.98046875f);

    // The middle of the sail swells most.
    parus.t = 3.14159265f / 2.0f - 4.0f;
    const Parus::SailPoint middle = parus.GridPoint(4, 4);
    EXPECT_NEAR(middle.x, 312.0f + 226.0f + 2.0f, 1e-3f);
    EXPECT_EQ(middle.colour.r, 254);
}

TEST_F(ParusFixture, TheClockRunsAtTwiceTheFramesTime)
{
    auto* parus = new Parus("Parus", nullptr);
    kernel.FlushPending();
    for (int i = 0; i < 4; ++i)
        kernel.Update(0.25f);
    EXPECT_FLOAT_EQ(parus->t, 2.0f);
    delete parus;
    kernel.Update(0.25f);
    for (const IController* controller : kernel.Active())
        EXPECT_EQ(dynamic_cast<const ParusController*>(controller), nullptr) << "its clock stops with it";
}

TEST(WindCurve, ARebuiltCurveGoesOnFromWhereTheLastEnded)
{
    SeedRandom(5);
    WindCurve wind({0.0f, 0.0f, -1.5f, 0.5f, 0.5f, -1.0f, 0.0f, 1.0f, 0.0f, 0.0f, 0.0f}, -1.5f);
    EXPECT_EQ(wind.curve.keys.size(), 11u);
    EXPECT_EQ(wind.lastValue, 0.0f);
    wind.Advance(10.0f);
    EXPECT_FLOAT_EQ(wind.phase, 0.5f);
    EXPECT_EQ(wind.curve.keys.size(), 11u) << "not yet a whole unit";

    for (int rebuild = 0; rebuild < 5; ++rebuild) {
        const float last = wind.lastValue;
        wind.Advance(20.0f);
        ASSERT_GE(wind.curve.keys.size(), 3u);
        ASSERT_LE(wind.curve.keys.size(), 12u);
        EXPECT_EQ(wind.curve.keys.front().value, last);
        EXPECT_EQ(wind.At(0.0f), last) << "no jump where the new curve begins";
        EXPECT_EQ(wind.curve.keys.back().value, wind.lastValue);
        for (std::size_t i = 1; i < wind.curve.keys.size(); ++i) {
            EXPECT_GE(wind.curve.keys[i].value, -1.5f);
            EXPECT_LT(wind.curve.keys[i].value, 0.5f);
        }
    }
}

TEST(WindCurve, ALongStepRebuildsOnceForEveryWholeUnit)
{
    const std::initializer_list<float> keys = {0.0f, 0.0f, -0.5f, 1.8f, 1.6f, 0.0f, 1.0f, 0.0f, 0.0f, 1.0f, 0.0f};
    SeedRandom(9);
    WindCurve stepped(keys, -0.5f);
    for (int i = 0; i < 3; ++i)
        stepped.Advance(20.0f);
    const int afterThree = RandomInt();

    SeedRandom(9);
    WindCurve jumped(keys, -0.5f);
    jumped.Advance(60.0f);
    EXPECT_EQ(RandomInt(), afterThree) << "three rebuilds drew as many numbers";
    EXPECT_EQ(Keys(jumped), Keys(stepped));
    EXPECT_EQ(jumped.lastValue, stepped.lastValue);
    EXPECT_EQ(jumped.phase, stepped.phase);

    SeedRandom(9);
    WindCurve once(keys, -0.5f);
    once.Advance(20.0f);
    EXPECT_NE(Keys(once), Keys(jumped));
}

TEST_F(ParusFixture, CloudsCoverTheSameDistanceAtAnyFrameRate)
{
    SeedRandom(21);
    Parus slow("Parus", nullptr);
    SeedRandom(21);
    Parus fast("Parus", nullptr);
    ASSERT_EQ(slow.clouds.size(), static_cast<std::size_t>(Parus::kClouds));
    std::vector<float> start;
    for (const Parus::Cloud& cloud : slow.clouds) {
        EXPECT_GE(cloud.x, -100.0f);
        EXPECT_LT(cloud.x, 600.0f);
        EXPECT_GE(cloud.y, 150.0f);
        EXPECT_LT(cloud.y, 550.0f);
        EXPECT_GE(cloud.speed, 0.01f);
        EXPECT_LT(cloud.speed, 0.035f);
        start.push_back(cloud.x);
    }
    for (int i = 0; i < 60; ++i)
        slow.Update(1.0f / 30.0f);
    for (int i = 0; i < 480; ++i)
        fast.Update(1.0f / 240.0f);
    // Two seconds at 60 x speed a second: at least 1.2 points, and the
    // sums of many small steps agree to a fraction of a point.
    for (std::size_t i = 0; i < slow.clouds.size(); ++i) {
        const float expected = start[i] + slow.clouds[i].speed * 60.0f * 2.0f;
        EXPECT_NEAR(slow.clouds[i].x, expected, 0.02f) << i;
        EXPECT_NEAR(fast.clouds[i].x, expected, 0.02f) << i;
    }
}

TEST_F(ParusFixture, ACloudPastTheEdgeComesBackOnTheLeft)
{
    Parus parus("Parus", nullptr);
    parus.clouds[0].x = 649.9f;
    parus.clouds[0].speed = 0.01f;
    parus.Update(1.0f);
    EXPECT_EQ(parus.clouds[0].x, -100.0f);
    EXPECT_GE(parus.clouds[0].y, 150.0f);
    EXPECT_GE(parus.clouds[0].speed, 0.01f);
}

TEST_F(ParusFixture, ThePicturesTakeTheirAddressModes)
{
    const char* names[] = {"ParusTex", "Verevki", "Machta", "Cloud", "Water"};
    for (const char* name : names) {
        auto picture = std::make_unique<Sprite>();
        picture->addressMode = backend::TextureAddress::Clamp;
        g_resourceManager.textures2D[name].object = std::move(picture);
    }
    Parus parus("Parus", nullptr);
    EXPECT_EQ(parus._sail->addressMode, backend::TextureAddress::Mirror);
    for (const Sprite* repeated : {parus._ropes, parus._bands, parus._cloud, parus._water})
        EXPECT_EQ(repeated->addressMode, backend::TextureAddress::Wrap);
    for (const char* name : names)
        g_resourceManager.textures2D.erase(name);
}
