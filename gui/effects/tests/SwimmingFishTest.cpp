// Swimming fish: the credits' start, the menu's placement and new runs,
// stepping along the track, and copies that swim on their own tracks.

#include "engine/util/Random.h"
#include "gui/effects/MenuFish.h"
#include "gui/effects/SwimmingFish.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Keys 200 apart across the screen, within `jitter` of one height between
// low and high, with Catmull-Rom tangents.
void ExpectTrackAcross(const SwimmingFish& fish, float low, float high, float jitter)
{
    const auto& keys = fish.track.keys;
    ASSERT_EQ(keys.size(), 7u);
    const bool rightward = keys[0].position.x == -200.0f;
    EXPECT_TRUE(rightward || keys[0].position.x == 1000.0f);
    float minY = 1e9f, maxY = -1e9f;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        EXPECT_EQ(keys[i].position.x, rightward ? -200.0f + 200.0f * i : 1000.0f - 200.0f * i);
        EXPECT_EQ(keys[i].position.z, 0.0f);
        minY = std::min(minY, keys[i].position.y);
        maxY = std::max(maxY, keys[i].position.y);
    }
    EXPECT_GE(minY, low - jitter);
    EXPECT_LE(maxY, high + jitter);
    EXPECT_LE(maxY - minY, 2.0f * jitter);
    EXPECT_EQ(keys[3].tangent.y, 0.5f * (keys[4].position.y - keys[2].position.y));
    EXPECT_EQ(keys[0].tangent.x, keys[1].position.x - keys[0].position.x);
    EXPECT_EQ(keys[6].tangent.y, keys[6].position.y - keys[5].position.y);
}

} // namespace

TEST(SwimmingFish, CreditsFishStartSpreadAlongAPlacedTrack)
{
    SeedRandom(7);
    for (int i = 0; i < 40; ++i) {
        SwimmingFish fish;
        fish.Init();
        EXPECT_EQ(fish.sizeFactor, 0.8f);
        EXPECT_TRUE(fish.replace);
        EXPECT_TRUE(fish.wideHeight);
        ExpectTrackAcross(fish, 250.0f, 560.0f, 20.0f);
        EXPECT_GE(fish.t, 0.0f);
        EXPECT_LT(fish.t, 0.99f);
        EXPECT_GE(fish.sector, 0);
        EXPECT_LE(fish.sector, 4);
        EXPECT_GE(fish.spriteIndex, 0);
        EXPECT_LE(fish.spriteIndex, 3);
        // Scale 0.4 to 0.8, the small ones shrunk by 0.8 once more.
        EXPECT_TRUE((fish.scale >= 0.32f && fish.scale < 0.56f) || (fish.scale >= 0.7f && fish.scale < 0.8f))
            << fish.scale;
        const float r = fish.animationRate / 18.0f;
        EXPECT_GE(r, 0.1f);
        EXPECT_LE(r, 0.3f);
        EXPECT_FLOAT_EQ(fish.speed, r * fish.scale);
        EXPECT_GE(fish.color.r, 220);
        EXPECT_EQ(fish.color.a, 255);
    }
}

TEST(SwimmingFish, MenuPlacementKeepsToTheNarrowBandWithoutTheFlag)
{
    SeedRandom(11);
    for (int i = 0; i < 40; ++i) {
        SwimmingFish fish;
        MenuFish::Place(fish);
        ExpectTrackAcross(fish, 350.0f, 560.0f, 20.0f);
        EXPECT_EQ(fish.t, 0.0f);
        EXPECT_EQ(fish.sector, 0);
    }
}

TEST(SwimmingFish, StepsAlongTheTrackAndIsPlacedAnewAtItsEnd)
{
    SeedRandom(3);
    SwimmingFish fish;
    fish.Init();
    fish.speed = 0.5f;
    fish.animationRate = 2.0f;
    fish.sector = 0;
    fish.t = 0.0f;
    fish.phase = 0.0f;
    fish.Update(0.5f);
    EXPECT_FLOAT_EQ(fish.t, 0.5f * 0.5f * 1.14f);
    EXPECT_FLOAT_EQ(fish.phase, 0.5f);
    fish.Update(0.75f);
    EXPECT_NEAR(fish.phase, 0.25f, 1e-6f); // 1.25 wraps
    EXPECT_EQ(fish.sector, 0);

    fish.t = 0.99f;
    fish.Update(0.1f);
    EXPECT_EQ(fish.sector, 1);
    EXPECT_NEAR(fish.t, 0.99f + 0.1f * 0.5f * 1.14f - 1.0f, 1e-6f);

    // The last sector ends: a new placement from the start of a new track.
    fish.sector = 5;
    fish.t = 0.999f;
    const float speedBefore = fish.speed;
    fish.Update(0.1f);
    EXPECT_EQ(fish.sector, 0);
    EXPECT_EQ(fish.t, 0.0f);
    EXPECT_NE(fish.speed, speedBefore);
    ExpectTrackAcross(fish, 250.0f, 560.0f, 20.0f);
}

TEST(SwimmingFish, WithoutReplaceItGetsANewRunWithAnotherSprite)
{
    SeedRandom(5);
    for (int i = 0; i < 30; ++i) {
        SwimmingFish fish;
        MenuFish::Place(fish);
        fish.replace = false;
        const int sprite = fish.spriteIndex;
        fish.sector = 5;
        fish.t = 1.0f;
        fish.Update(0.01f);
        EXPECT_EQ(fish.sector, 0);
        EXPECT_NE(fish.spriteIndex, sprite);
        EXPECT_GE(fish.spriteIndex, 0);
        EXPECT_LE(fish.spriteIndex, 4);
        EXPECT_GE(fish.speed, 1.0f);
        EXPECT_LE(fish.speed, 1.3f);
        EXPECT_GE(fish.scale, 0.5f);
        EXPECT_LE(fish.scale, 0.7f);
        ExpectTrackAcross(fish, 150.0f, 400.0f, 10.0f);
    }
}

TEST(SwimmingFish, ACopySwimsOnItsOwnTrackAndDrawsAtItsSizeFactor)
{
    SeedRandom(9);
    std::vector<SwimmingFish> school(3, SwimmingFish());
    for (SwimmingFish& fish : school)
        fish.Init();
    std::vector<SwimmingFish> copy = school;
    for (std::size_t i = 0; i < copy.size(); ++i) {
        EXPECT_EQ(copy[i].path, &copy[i].track);
        EXPECT_EQ(school[i].path, &school[i].track);
    }
    SwimmingFish assigned;
    assigned = school[0];
    EXPECT_EQ(assigned.path, &assigned.track);

    // The drawn quad shrinks with the size factor; the pass does not.
    SwimmingFish fish;
    fish.track.keys = {{Vector3(0, 0, 0), Vector3(100, 0, 0)}, {Vector3(100, 0, 0), Vector3(100, 0, 0)}};
    fish.scale = 0.5f;
    Vector3 full[4], half[4];
    bool left = false;
    ASSERT_TRUE(fish.Corners(0.0f, full, left));
    fish.sizeFactor = 0.5f;
    ASSERT_TRUE(fish.Corners(0.0f, half, left));
    EXPECT_FLOAT_EQ(full[3].x, 128.0f);
    EXPECT_FLOAT_EQ(half[3].x, 64.0f);
    EXPECT_FLOAT_EQ(half[3].y, 32.0f);
}
