// The processes that change the world map over time: the flag's move, the
// walk back through a lost country, the end of a cycle with the rising
// title, and the light's waits.

#include "MapFixture.h"

#include "engine/util/Random.h"
#include "game/screens/CycleFinishing.h"
#include "game/screens/DestroyCountryProgress.h"
#include "game/screens/FlagMover.h"
#include "game/screens/MapLight.h"
#include "game/screens/MapTitleEmerge.h"
#include "gui/effects/ParticleEffect.h"

#include <algorithm>

namespace {

// The map's light, once the manager runs it.
MapLight* FindLight()
{
    kernel.FlushPending();
    for (IController* c : kernel.Active())
        if (c && c->_name == "MapLight")
            return static_cast<MapLight*>(c);
    return nullptr;
}

} // namespace

// A map of three levels whose flag sets off from the first to the third.
class FlagMoveTest : public MapFixture {
protected:
    void SetUp() override
    {
        WriteLevelMap({3});
        MakeMap();
        PlayerRecord().level = 3;
        PlayerRecord().maxLevel = 3;
        map->flag = Vector3(100.0f, 100.0f, 0.0f);
        map->AcceptMessage(Message("MoveFlag"));
    }
};

TEST_F(FlagMoveTest, TheFlagSailsInASecondAndLandsOnThePlayersLevel)
{
    Frames(1, 0.5f);
    EXPECT_NEAR(map->flag.x, 130.0f, 0.01f);
    EXPECT_EQ(map->flagTargetAlpha, 127);
    EXPECT_EQ(map->effects.effects.size(), 1u) << "the flare at the target";
    Frames(2, 0.5f);
    EXPECT_EQ(Controllers("FlagMover"), 0);
    EXPECT_FLOAT_EQ(map->flag.x, 160.0f);
    EXPECT_FALSE(map->flagMoverEnabled);
    EXPECT_EQ(map->flagTargetAlpha, 255);
}

TEST_F(FlagMoveTest, AClickDuringTheMoveEndsItOnTheCurrentWaypoint)
{
    Frames(1, 0.25f);
    ASSERT_LT(map->flag.x, 130.0f);
    map->MouseDown(Point(400, 400));
    map->MouseUp(Point(400, 400));
    Frames(2, 0.01f);
    EXPECT_EQ(Controllers("FlagMover"), 0);
    EXPECT_FLOAT_EQ(map->flag.x, 160.0f);
    EXPECT_FLOAT_EQ(map->flag.y, 100.0f);
}

TEST_F(MapFixture, AMoveEndingOnAFirstLevelRestartsTheBadgePulse)
{
    WriteLevelMap({2, 2});
    MakeMap();
    PlayerRecord().stage = 2;
    PlayerRecord().maxStage = 2;
    map->badgePulse = 0.7f;
    map->flag = Vector3(100.0f, 100.0f, 0.0f);
    map->AcceptMessage(Message("MoveFlag"));
    Frames(3, 0.5f);
    EXPECT_EQ(Controllers("FlagMover"), 0);
    EXPECT_LT(map->badgePulse, 0.5f);
}

TEST_F(MapFixture, TheWalkBackResetsTheCountryAndEndsOnItsFirstLevel)
{
    WriteLevelMap({2, 4});
    MakeMap();
    Player& player = PlayerRecord();
    player.stage = player.maxStage = 2;
    player.level = player.maxLevel = 3;
    player.bonusCount[0] = 9;
    map->AcceptMessage(Message("DestroyCountryProgress"));
    kernel.FlushPending();
    EXPECT_EQ(player.maxLevel, 1);
    EXPECT_EQ(player.level, 1);
    ASSERT_EQ(map->countryPath.size(), 3u);
    EXPECT_EQ(map->countryPath[0], Point(160, 140)); // level 3 first
    // 0.6 seconds a level: a quarter of the way after 0.45 of 1.8 seconds,
    // half way after 0.9.
    Frames(1, 0.45f);
    EXPECT_NEAR(map->flag.x, 145.0f, 0.5f);
    EXPECT_EQ(map->countryPathAlpha[0], 0);
    EXPECT_EQ(map->countryPathAlpha[1], 255);
    EXPECT_EQ(map->effects.effects.size(), 1u) << "a flare at the level left";
    Frames(1, 0.45f);
    EXPECT_NEAR(map->flag.x, 130.0f, 0.5f);
    Frames(1, 0.45f);
    EXPECT_EQ(map->countryPathAlpha[1], 0);
    EXPECT_EQ(map->effects.effects.size(), 2u);
    Frames(3, 0.45f);
    EXPECT_EQ(Controllers("DestroyCountryProgress"), 0);
    EXPECT_FLOAT_EQ(map->flag.x, 100.0f);
    EXPECT_FLOAT_EQ(map->flag.y, 140.0f);
    EXPECT_TRUE(map->countryPath.empty());
    EXPECT_EQ(map->effects.effects.size(), 2u) << "the first level never flares";
}

TEST_F(MapFixture, AWalkBackOfOneLevelLeavesTheFlagOnIt)
{
    WriteLevelMap({2, 4});
    MakeMap();
    PlayerRecord().maxStage = 2;
    PlayerRecord().maxLevel = 1;
    map->AcceptMessage(Message("DestroyCountryProgress"));
    for (int i = 0; i < 5; ++i) {
        Frames(1, 0.2f);
        EXPECT_FLOAT_EQ(map->flag.x, 100.0f);
        EXPECT_FLOAT_EQ(map->flag.y, 140.0f);
    }
    EXPECT_EQ(Controllers("DestroyCountryProgress"), 0);
    EXPECT_TRUE(map->effects.effects.empty());
}

TEST_F(MapFixture, AWalkBackPastTheMapIsIgnored)
{
    WriteLevelMap({2, 2});
    MakeMap();
    Player& player = PlayerRecord();
    player.maxStage = 8; // after a won cycle
    player.maxLevel = 1;
    player.bonusCount[1] = 4;
    map->AcceptMessage(Message("DestroyCountryProgress"));
    Frames(2, 0.1f);
    EXPECT_EQ(Controllers("DestroyCountryProgress"), 0);
    EXPECT_EQ(player.maxStage, 8);
    EXPECT_EQ(player.bonusCount[1], 4);
    EXPECT_NE(LogText().find("No country to walk back through"), std::string::npos);
}

TEST_F(MapFixture, TheTitleRisesWithFiveWavesAndEveryWaypointGoesOut)
{
    WriteLevelMap({2, 2});
    MakeMap();
    Player& player = PlayerRecord();
    player.win = true;
    player.cycle = 2;
    player.stage = player.maxStage = 2;
    player.level = player.maxLevel = 2;
    SeedRandom(7);
    map->AcceptMessage(Message("VelmoraAscendant"));
    EXPECT_FALSE(player.win);
    EXPECT_EQ(services.samples, std::vector<std::string>{"VelmoraAscendant"});
    ASSERT_EQ(map->waves.size(), 5u);
    int i = 0;
    for (const MapWave& wave : map->waves) {
        EXPECT_FLOAT_EQ(wave.t, -0.1f - 0.1f * static_cast<float>(i++));
        EXPECT_GE(wave.rotationSpeed, -5.0f);
        EXPECT_LE(wave.rotationSpeed, 5.0f);
        EXPECT_GE(wave.sizeFactor, 0.9f);
        EXPECT_LT(wave.sizeFactor, 1.15f);
    }
    EXPECT_EQ(Controllers("CycleFinishing"), 1);
    kernel.FlushPending();
    // The progress starts again at the first level; every waypoint is lit.
    EXPECT_EQ(player.stage, 1);
    EXPECT_EQ(player.maxLevel, 1);
    EXPECT_EQ(map->waypointAlpha[3], 255);
    Frames(1, 1.0f);
    EXPECT_NEAR(map->titleScale, 0.9f, 0.01f);
    EXPECT_TRUE(map->lightPathPaused);
    Frames(1, 1.0f);
    EXPECT_FLOAT_EQ(map->titleScale, 1.0f);
    EXPECT_EQ(map->titleAlpha, 255);
    // Waypoint i begins to fade after 1 + 0.08 i seconds, for a second.
    EXPECT_EQ(map->waypointAlpha[1], 255 - static_cast<int>(0.92f * 255.0f));
    Frames(2, 1.0f);
    EXPECT_EQ(Controllers("VelmoraAscendant"), 0);
    EXPECT_EQ(Controllers("CycleFinishing"), 0);
    for (int alpha : map->waypointAlpha)
        EXPECT_EQ(alpha, 0);
    // Three flares: the first waypoint never flares.
    EXPECT_EQ(map->effects.effects.size(), 3u);
}

TEST_F(MapFixture, TheLightWaitsOffTheMapAndAfterAPauseWaitsLonger)
{
    WriteLevelMap({3, 3});
    MakeMap();
    MapLight* light = FindLight();
    ASSERT_NE(light, nullptr);
    EXPECT_EQ(light->_state, MapLight::kWaiting);
    EXPECT_GE(light->_rate, 0.1f);
    EXPECT_LT(light->_rate, 0.3f);
    OnMapLayer(false);
    Frames(30, 0.5f);
    EXPECT_EQ(light->_state, MapLight::kWaiting);
    EXPECT_FLOAT_EQ(light->_time, 0.0f);
    map->hoveredLevel = map->hoveredStage = 0;
    Frames(1, 0.1f);
    EXPECT_EQ(map->hoveredLevel, -1);

    OnMapLayer(true);
    map->AcceptMessage(Message("PauseLightPath"));
    Frames(1, 0.1f);
    EXPECT_FALSE(map->lightPathPaused);
    EXPECT_FLOAT_EQ(light->_rate, 0.3f);
    // 3.3 seconds of waiting at 0.3, then a walk at the map's speed.
    Frames(32, 0.1f);
    EXPECT_EQ(light->_state, MapLight::kWaiting);
    Frames(3, 0.1f);
    EXPECT_NE(light->_state, MapLight::kWaiting);
    EXPECT_FLOAT_EQ(light->_rate, 0.2f);
    // A walk takes five seconds, then 0.2 seconds of waiting.
    Frames(51, 0.1f);
    EXPECT_EQ(light->_state, MapLight::kWaiting);
    EXPECT_FLOAT_EQ(light->_rate, 5.0f);
}

// A map of two countries of four levels whose light is about to walk the
// whole map, its clock held.
class MapWalkTest : public MapFixture {
protected:
    MapLight* WholeMapWalk()
    {
        WriteLevelMap({4, 4});
        MakeMap();
        MapLight* light = FindLight();
        if (!light)
            return nullptr;
        OnMapLayer(true);
        Frames(1, 0.0f);
        light->_state = MapLight::kWholeMap;
        light->_rate = 0.0f;
        return light;
    }
};

TEST_F(MapWalkTest, TheWalkLightsTheSlotsAndMovesTheLightAlong)
{
    MapLight* light = WholeMapWalk();
    ASSERT_NE(light, nullptr);
    light->_time = 0.1f;
    Frames(1, 0.01f);
    // v = 0.8 - k / 16: slot 0 at 0.8, slot 3 at 0.6125.
    EXPECT_NEAR(map->lightSlots[0], 0.8f, 1e-4f);
    EXPECT_NEAR(map->lightSlots[3], 0.6125f, 1e-4f);
    EXPECT_EQ(map->lightStars[0], 1);
    // Slots of v between 0.1 and 0.3 carry the light: k from 8 to 11 here.
    EXPECT_NE(light->_light.Get(), nullptr);

    // In one country's walk only the slots from the light's level on shine.
    light->_state = MapLight::kOneCountry;
    light->_lightStage = 2;
    light->_lightLevel = 2;
    light->_time = 0.3f;
    Frames(1, 0.01f);
    for (int k = 0; k < 5; ++k)
        EXPECT_FLOAT_EQ(map->lightSlots[static_cast<std::size_t>(k)], 0.0f) << k;
    EXPECT_GT(map->lightSlots[5], 0.0f);
    EXPECT_GT(map->lightSlots[7], 0.0f);
}

TEST_F(MapWalkTest, PastTheLastWaypointTheWalkReadsTheMapFromItsStart)
{
    MapLight* light = WholeMapWalk(); // eight waypoints; the walk's slots run on past them
    ASSERT_NE(light, nullptr);
    // v = 8 t - k / 16 puts slot 11 at 0.2 and the light on it last: the
    // fourth level of the first country again, waypoint 11 mod 8.
    light->_time = (0.2f + 11.0f * 0.0625f) / 8.0f;
    Frames(1, 0.01f);
    ASSERT_GT(map->lightSlots.size(), 11u);
    EXPECT_NEAR(map->lightSlots[11], 0.2f, 1e-4f);
    const ParticleEffect* carried = light->_light.Get();
    ASSERT_NE(carried, nullptr);
    EXPECT_FLOAT_EQ(carried->posX, 190.0f);
    EXPECT_FLOAT_EQ(carried->posY, 100.0f);
}

TEST_F(MapFixture, TheWalkRaisesAStarOverEachCountrysFirstWaypointAndTheLastOnce)
{
    WriteLevelMap({15, 15, 15, 15, 15, 15, 15});
    MakeMap();
    MapLight* light = FindLight();
    ASSERT_NE(light, nullptr);
    OnMapLayer(true);
    Frames(1, 0.0f);
    light->_state = MapLight::kWholeMap;
    light->_time = 0.99f; // every slot of the walk lit
    light->_rate = 0.0f;
    map->effects.effects.clear();
    Frames(1, 0.01f);
    std::vector<Point> stars;
    for (const ParticleEffect* effect : map->effects.effects)
        stars.emplace_back(static_cast<int>(effect->posX) + 1, static_cast<int>(effect->posY) - 2);
    std::vector<Point> expected;
    for (int s = 0; s < 7; ++s)
        expected.emplace_back(100, 100 + 40 * s); // each country's first level
    expected.emplace_back(100 + 30 * 14, 100 + 40 * 6); // the last level of all
    for (const Point& p : expected)
        EXPECT_EQ(std::count(stars.begin(), stars.end(), p), 1) << p.x << "," << p.y;
}

TEST_F(MapFixture, ProcessesOfADeletedMapStopWithoutTouchingIt)
{
    WriteLevelMap({3, 3});
    MakeMap();
    PlayerRecord().level = 3;
    map->AcceptMessage(Message("MoveFlag"));
    map->AcceptMessage(Message("VelmoraAscendant"));
    Frames(1, 0.1f);
    map.reset();
    Frames(2, 0.1f);
    EXPECT_EQ(Controllers("MapLight"), 0);
    EXPECT_EQ(Controllers("FlagMover"), 0);
    EXPECT_EQ(Controllers("CycleFinishing"), 0);
}
