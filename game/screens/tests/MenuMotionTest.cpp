// The motion models of the menu's backdrop: the weed strip, the school of
// fish and the swimming fish's start.

#include "engine/util/Random.h"
#include "game/screens/FishSchool.h"
#include "game/screens/MenuWave.h"
#include "gui/effects/MenuFish.h"
#include "gui/effects/SwimmingFish.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

MenuWaveSpec WaveShape(int count, std::vector<float> values)
{
    MenuWaveSpec entry;
    entry.x = 12;
    entry.y = 34;
    entry.width = 20.0f;
    entry.height = 100.0f;
    entry.count = count;
    entry.timeScale = 2.0f;
    entry.values = std::move(values);
    return entry;
}

FishTrack Track(int keys, int fish, Vector3 allowance = Vector3())
{
    FishTrack track;
    track.numFishes = fish;
    track.timeScale = 0.5f;
    for (int k = 0; k < keys; ++k) {
        track.positions.push_back(Vector3(200.0f * static_cast<float>(k), 300.0f, -100.0f));
        track.velocities.push_back(allowance);
    }
    return track;
}

} // namespace

TEST(MenuWave, ARibbonOfRowsWithItsTextureAcrossAndUp)
{
    MenuWave wave;
    wave.Build(WaveShape(4, {3.0f}), nullptr);
    ASSERT_EQ(wave.Rest().size(), 10u);
    for (int j = 0; j <= 4; ++j) {
        const Vertex& left = wave.Rest()[static_cast<std::size_t>(2 * j)];
        const Vertex& right = wave.Rest()[static_cast<std::size_t>(2 * j + 1)];
        EXPECT_FLOAT_EQ(left.y, 25.0f * static_cast<float>(j));
        EXPECT_FLOAT_EQ(left.x, 0.0f);
        EXPECT_FLOAT_EQ(right.x, 20.0f);
        EXPECT_FLOAT_EQ(left.u, 0.0f);
        EXPECT_FLOAT_EQ(right.u, 1.0f);
        EXPECT_FLOAT_EQ(left.v, static_cast<float>(j) / 4.0f);
        EXPECT_EQ(left.diffuse, 0xFFFFFFFFu);
    }
    EXPECT_EQ(wave.Drawn().size(), wave.Rest().size());
}

TEST(MenuWave, TheFootStaysStillAndTheSwayRampsInOverThirtyRows)
{
    MenuWave wave;
    // A loop of one value sways every row by that value (less the ramp).
    wave.Build(WaveShape(60, {5.0f, 5.0f}), nullptr);
    wave.Update(0.3f);
    EXPECT_FLOAT_EQ(wave.Time(), 0.3f * 2.0f * 0.1f);
    const std::vector<Vertex>& drawn = wave.Drawn();
    for (int j : {0, 6, 15, 30, 45, 60}) {
        const float expected = 5.0f * std::min(static_cast<float>(j) / 30.0f, 1.0f);
        EXPECT_NEAR(drawn[static_cast<std::size_t>(2 * j)].x, expected, 1e-5f) << j;
        EXPECT_NEAR(drawn[static_cast<std::size_t>(2 * j + 1)].x, 20.0f + expected, 1e-5f) << j;
        EXPECT_FLOAT_EQ(drawn[static_cast<std::size_t>(2 * j)].y, wave.Rest()[static_cast<std::size_t>(2 * j)].y);
    }
}

TEST(MenuWave, TheTimeWrapsAndFewerThanOneSegmentBuildsNothing)
{
    MenuWave wave;
    wave.Build(WaveShape(8, {0.0f, 4.0f, -4.0f}), nullptr);
    for (int i = 0; i < 60; ++i)
        wave.Update(1.0f); // 0.2 a frame
    EXPECT_GE(wave.Time(), 0.0f);
    EXPECT_LT(wave.Time(), 1.0f);
    wave.Update(1000.0f); // one long frame
    EXPECT_GE(wave.Time(), 0.0f);
    EXPECT_LT(wave.Time(), 1.0f);
    for (const Vertex& v : wave.Drawn())
        EXPECT_TRUE(std::isfinite(v.x));

    for (int count : {0, -5}) {
        MenuWave none;
        none.Build(WaveShape(count, {1.0f}), nullptr);
        none.Update(0.5f);
        EXPECT_TRUE(none.Rest().empty()) << count;
        EXPECT_TRUE(none.Drawn().empty()) << count;
    }
    MenuWave still;
    still.Build(WaveShape(3, {}), nullptr);
    still.Update(0.5f);
    EXPECT_FLOAT_EQ(still.Drawn()[6].x, 0.0f);
}

TEST(FishSchool, EveryFishSetsOffNearTheFirstKeyOnItsOwnCopyOfTheTrack)
{
    SeedRandom(5);
    FishSchool school;
    school.Build(Track(5, 4, Vector3(10.0f, 20.0f, 0.0f)));
    ASSERT_EQ(school.fish.size(), 4u);
    EXPECT_EQ(school.lastKey, 4);
    EXPECT_FLOAT_EQ(school.speed, 0.5f);
    EXPECT_FLOAT_EQ(school.time, 0.0f);
    for (const FishSchool::Member& member : school.fish) {
        EXPECT_TRUE(member.quad.enabled);
        EXPECT_EQ(member.quad.path, &member.track);
        EXPECT_EQ(member.quad.sector, 0);
        EXPECT_GT(member.quad.t, 0.0f);
        EXPECT_LE(member.quad.t, 1.0f);
        EXPECT_GE(member.quad.scale, 0.7f);
        EXPECT_LE(member.quad.scale, 1.0f);
        ASSERT_EQ(member.track.keys.size(), 5u);
        for (int k = 0; k < 5; ++k) {
            const Vector3& p = member.track.keys[static_cast<std::size_t>(k)].position;
            EXPECT_GE(p.x, 200.0f * static_cast<float>(k) - 10.0f);
            EXPECT_LT(p.x, 200.0f * static_cast<float>(k) + 10.0f);
            EXPECT_GE(p.y, 280.0f);
            EXPECT_LT(p.y, 320.0f);
            EXPECT_NEAR(p.z, -100.0f, 0.001f); // within the allowance of 0, less its 0.001
        }
    }
    // The same seed, the same school.
    SeedRandom(5);
    FishSchool again;
    again.Build(Track(5, 4, Vector3(10.0f, 20.0f, 0.0f)));
    EXPECT_FLOAT_EQ(again.fish[3].track.keys[2].position.x, school.fish[3].track.keys[2].position.x);
    EXPECT_FLOAT_EQ(again.fish[1].quad.t, school.fish[1].quad.t);
}

TEST(FishSchool, NoSchoolOnATrackOfFewerThanThreeKeysOrWithoutFish)
{
    for (int keys : {0, 1, 2}) {
        FishSchool school;
        school.Build(Track(keys, 10));
        EXPECT_TRUE(school.fish.empty()) << keys;
        school.Update(5.0f);
        EXPECT_FLOAT_EQ(school.time, 5.0f * 0.5f);
    }
    FishSchool none;
    none.Build(Track(6, 0));
    EXPECT_TRUE(none.fish.empty());
    EXPECT_EQ(none.lastKey, 5);
}

TEST(FishSchool, AFishSwimsKeyByKeyAndStopsTwoKeysBeforeTheEnd)
{
    struct Step {
        float t, step;
        int sector;
        float expectT;
        int expectSector;
        bool expectEnabled;
    };
    const Step steps[] = {
        {0.0f, 0.5f, 0, 0.57f, 0, true},
        {0.9f, 0.1f, 0, 0.014f, 1, true},
        {0.9f, 0.1f, 1, 0.014f, 2, true},
        {0.9f, 0.1f, 2, 0.014f, 0, false}, // keys - 2 = 3 ends it
    };
    for (const Step& s : steps) {
        PathQuad fish;
        fish.t = s.t;
        fish.sector = s.sector;
        fish.phase = 0.95f;
        FishSchool::StepFish(fish, s.step, 5);
        EXPECT_NEAR(fish.t, s.expectT, 1e-5f) << s.sector;
        EXPECT_EQ(fish.sector, s.expectSector) << s.sector;
        EXPECT_EQ(fish.enabled, s.expectEnabled) << s.sector;
        EXPECT_NEAR(fish.phase, std::fmod(0.95f + s.step * 7.0f, 1.0f), 1e-5f);
    }
    PathQuad stopped;
    stopped.enabled = false;
    FishSchool::StepFish(stopped, 3.0f, 5);
    EXPECT_FLOAT_EQ(stopped.t, 0.0f);
}

TEST(MenuFish, AMenuFishStartsAtHalfSizeSomewhereAlongItsRun)
{
    SeedRandom(11);
    for (int i = 0; i < 50; ++i) {
        SwimmingFish fish;
        MenuFish::Spawn(fish);
        EXPECT_FLOAT_EQ(fish.sizeFactor, 0.5f);
        EXPECT_TRUE(fish.replace);
        ASSERT_EQ(fish.track.keys.size(), 7u);
        EXPECT_GE(fish.sector, 0);
        EXPECT_LE(fish.sector, 4);
        EXPECT_GE(fish.t, 0.0f);
        EXPECT_LE(fish.t, 1.0f);
        const float height = fish.track.keys[0].position.y;
        EXPECT_GE(height, 330.0f);
        EXPECT_LE(height, 580.0f);
        EXPECT_GE(fish.spriteIndex, 0);
        EXPECT_LE(fish.spriteIndex, 3);
        // Through the end of its track it is placed anew.
        for (int k = 0; k < 200; ++k)
            fish.Update(1.0f);
        EXPECT_TRUE(fish.replace);
        EXPECT_EQ(fish.track.keys.size(), 7u);
    }
}
