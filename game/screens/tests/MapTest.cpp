// The world map widget: clicks on waypoints, hover, its commands, the
// corner tip and the tables of a full level map.

#include "MapFixture.h"

#include "game/screens/MapLight.h"

using testing_support::WriteTextFile;

TEST_F(MapFixture, MadeForTheWholeScreenWithTheFlagOnThePlayersLevel)
{
    WriteLevelMap({3, 2});
    info.LoadLevelMap();
    info.AddNewPlayer("P");
    PlayerRecord().stage = 2;
    PlayerRecord().level = 2;
    XmlElement xml("<Map name=\"Map\" editor=\"true\" cycleX=\"123\" cycleY=\"45\"/>");
    map = std::make_unique<Map>("Map", xml.get(), info);
    EXPECT_EQ(map->rect.w, 800);
    EXPECT_EQ(map->rect.h, 600);
    EXPECT_EQ(map->position, Point(0, 0));
    EXPECT_TRUE(map->editor);
    EXPECT_EQ(Map::cycleX, 123);
    EXPECT_EQ(Map::cycleY, 45);
    Map::cycleX = 400;
    Map::cycleY = 545;
    EXPECT_FLOAT_EQ(map->flag.x, 130.0f);
    EXPECT_FLOAT_EQ(map->flag.y, 140.0f);
    EXPECT_EQ(map->WaypointCount(), 5);
    EXPECT_EQ(map->StageCount(), 2);
    EXPECT_EQ(Controllers("MapLight"), 1);
    // Without levelTexts.xml every text is empty, and that is logged.
    EXPECT_EQ(map->LevelText(0, 0), nullptr);
    EXPECT_NE(LogText().find("levelTexts.xml"), std::string::npos);
}

TEST_F(MapFixture, AClickHitsAWaypointCloserThanTenPixels)
{
    WriteLevelMap({3});
    MakeMap();
    PlayerRecord().maxLevel = 3;
    // The second waypoint is at (130, 100).
    struct Case {
        Point click;
        int level; // the player's level afterwards
    } cases[] = {{Point(136, 108), 1}, {Point(136, 107), 2}, {Point(124, 93), 2},
                 {Point(130, 110), 1}, {Point(130, 109), 2}, {Point(145, 100), 1}};
    for (const Case& c : cases) {
        PlayerRecord().level = 1;
        EXPECT_FALSE(map->MouseDown(c.click));
        map->MouseUp(c.click);
        EXPECT_EQ(PlayerRecord().level, c.level) << c.click.x << "," << c.click.y;
    }
}

TEST_F(MapFixture, OfTwoWaypointsWithinReachTheLaterOneWins)
{
    WriteLevelMap({2, 1}, {{Point(200, 200), Point(300, 300)}, {Point(206, 204)}});
    MakeMap();
    PlayerRecord().maxStage = 2;
    PlayerRecord().maxLevel = 1;
    EXPECT_FALSE(map->MouseDown(Point(203, 202)));
    EXPECT_EQ(PlayerRecord().stage, 2);
    EXPECT_EQ(PlayerRecord().level, 1);
}

TEST_F(MapFixture, LevelNotCompleteIsKeptOnlyForTheOwnWaypoint)
{
    WriteLevelMap({3});
    MakeMap();
    PlayerRecord().maxLevel = 2;
    PlayerRecord().level = 2;
    PlayerRecord().levelNotComp = true;
    map->MouseDown(Point(130, 100));
    EXPECT_TRUE(PlayerRecord().levelNotComp);
    // Beyond reach: nothing changes.
    map->MouseDown(Point(160, 100));
    EXPECT_EQ(PlayerRecord().level, 2);
    EXPECT_TRUE(PlayerRecord().levelNotComp);
    map->MouseDown(Point(100, 100));
    EXPECT_EQ(PlayerRecord().level, 1);
    EXPECT_FALSE(PlayerRecord().levelNotComp);
    EXPECT_FLOAT_EQ(map->flag.x, 100.0f);
    EXPECT_TRUE(map->textQueue.crossFade);
}

TEST_F(MapFixture, AClickQueuesTheLevelsTextOnce)
{
    WriteLevelMap({3});
    WriteFile("levelTexts.xml", "<T><TextViewPort x=\"1\" y=\"2\" width=\"300\" height=\"140\"/>"
                                "<text id=\"Land1_1_1\"><string>one</string></text>"
                                "<text id=\"Land1_1_2\"><string>two</string></text></T>");
    MakeMap();
    PlayerRecord().maxLevel = 3;
    EXPECT_EQ(map->textViewPort.w, 300);
    map->AcceptMessage(Message("InitAboutText"));
    ASSERT_EQ(map->textQueue.texts.size(), 1u);
    map->MouseDown(Point(130, 100));
    map->MouseDown(Point(130, 100));
    EXPECT_EQ(map->textQueue.texts.size(), 2u);
    // A level without a text queues nothing.
    map->MouseDown(Point(160, 100));
    EXPECT_EQ(map->textQueue.texts.size(), 2u);
}

TEST_F(MapFixture, HoverFindsReachedWaypointsOnly)
{
    WriteLevelMap({3});
    MakeMap();
    PlayerRecord().maxLevel = 2;
    map->hoverTime = 3.0f;
    map->MouseMove(Point(131, 101));
    EXPECT_EQ(map->hoveredLevel, 1);
    EXPECT_EQ(map->hoveredStage, 0);
    EXPECT_FLOAT_EQ(map->hoverTime, 0.0f);
    map->hoverTime = 1.0f;
    map->MouseMove(Point(130, 100));
    EXPECT_FLOAT_EQ(map->hoverTime, 1.0f);
    map->MouseMove(Point(160, 100));
    EXPECT_EQ(map->hoveredLevel, -1);
    EXPECT_EQ(map->hoveredStage, -1);
    map->MouseMove(Point(400, 400));
    EXPECT_EQ(map->hoveredLevel, -1);
}

TEST_F(MapFixture, MoveFlagWithinFivePixelsPutsTheFlagThere)
{
    WriteLevelMap({3});
    MakeMap();
    PlayerRecord().level = 2;
    map->flag = Vector3(127.0f, 102.0f, 0.0f); // 3 + 2 from (130, 100)
    map->AcceptMessage(Message("MoveFlag"));
    EXPECT_EQ(Controllers("FlagMover"), 0);
    EXPECT_FLOAT_EQ(map->flag.x, 130.0f);
    EXPECT_FLOAT_EQ(map->flag.y, 100.0f);

    PlayerRecord().level = 3;
    map->flag = Vector3(130.0f, 100.0f, 0.0f);
    map->AcceptMessage(Message("MoveFlag"));
    EXPECT_EQ(Controllers("FlagMover"), 1);
    EXPECT_TRUE(map->flagMoverEnabled);
    EXPECT_EQ(services.samples, std::vector<std::string>{"MapWaypoint"});
}

TEST_F(MapFixture, InitFlagPosKeepsTheFlagsDepthAndSkipsALevelOffTheMap)
{
    WriteLevelMap({2});
    MakeMap();
    map->flag = Vector3(1.0f, 2.0f, 7.0f);
    PlayerRecord().level = 2;
    map->AcceptMessage(Message("InitFlagPos"));
    EXPECT_FLOAT_EQ(map->flag.x, 130.0f);
    EXPECT_FLOAT_EQ(map->flag.z, 7.0f);
    PlayerRecord().stage = 8;
    map->AcceptMessage(Message("InitFlagPos"));
    map->AcceptMessage(Message("MoveFlag"));
    EXPECT_FLOAT_EQ(map->flag.x, 130.0f);
    map->AcceptMessage(Message("EnableFlagMover"));
    EXPECT_TRUE(map->flagMoverEnabled);
    EXPECT_EQ(map->flagTargetAlpha, 0);
    map->AcceptMessage(Message("PauseLightPath"));
    EXPECT_TRUE(map->lightPathPaused);
    map->AcceptMessage(Message("NoSuchCommand"));
}

TEST_F(MapFixture, ArtefactTipShowsFromTheSecondCountryOn)
{
    WriteLevelMap({2, 2});
    MakeMap();
    map->AcceptMessage(Message("ShowArtefactTip"));
    EXPECT_FALSE(map->tipVisible);
    PlayerRecord().maxStage = 2;
    PlayerRecord().needShowArtefactTip = false;
    map->AcceptMessage(Message("ShowArtefactTip"));
    EXPECT_FALSE(map->tipVisible);
    PlayerRecord().needShowArtefactTip = true;
    map->tipTime = 4.0f;
    map->AcceptMessage(Message("ShowArtefactTip"));
    EXPECT_TRUE(map->tipVisible);
    EXPECT_FLOAT_EQ(map->tipTime, 0.0f);
    map->AcceptMessage(Message("HideArtefactTip"));
    EXPECT_FALSE(map->tipVisible);
}

TEST_F(MapFixture, TheTipsTextClearsItsFlagAfterSevenSecondsOnTheMap)
{
    WriteLevelMap({2, 2});
    MakeMap();
    PlayerRecord().maxStage = 2;
    map->AcceptMessage(Message("ShowArtefactTip"));
    OnMapLayer(false);
    Frames(10, 1.0f);
    EXPECT_FLOAT_EQ(map->tipTime, 0.0f) << "the tip's clock runs on the map's layer only";
    OnMapLayer(true);
    Frames(7, 1.0f);
    EXPECT_TRUE(PlayerRecord().needShowArtefactTip);
    Frames(1, 0.5f);
    EXPECT_FALSE(PlayerRecord().needShowArtefactTip);
}

TEST_F(MapFixture, ThePressedCornerTipLeadsToTheArtefactScreen)
{
    WriteLevelMap({2, 2});
    MakeMap();
    PlayerRecord().maxStage = 2;
    OnMapLayer(true);
    Frames(1, 0.01f);
    ASSERT_EQ(map->tipAnchor, Point(60, 470));
    map->MouseMove(Point(90, 510));
    EXPECT_TRUE(map->tipHovered);
    map->MouseDown(Point(90, 510));
    EXPECT_TRUE(map->tipPressed);
    EXPECT_EQ(services.samples, std::vector<std::string>{"ButtonClick"});
    g_messageQueue.clear();
    map->MouseUp(Point(90, 510));
    EXPECT_EQ(TakePosted(), std::vector<std::string>{"GoToArtefactScreen//0"});
    EXPECT_FALSE(map->tipPressed);
    // Moving off while held lets go of it.
    map->MouseDown(Point(90, 510));
    map->MouseMove(Point(300, 300));
    EXPECT_FALSE(map->tipPressed);
    map->MouseUp(Point(300, 300));
    EXPECT_TRUE(TakePosted().empty());
}

TEST_F(MapFixture, InTheFirstCountryOfTheFirstCycleTheCornerTipIsAway)
{
    WriteLevelMap({2, 2});
    MakeMap();
    OnMapLayer(true);
    Frames(1, 0.01f);
    EXPECT_EQ(map->tipAnchor.x, -500);
    map->MouseMove(Point(90, 510));
    EXPECT_FALSE(map->tipHovered);
    PlayerRecord().cycle = 2;
    Frames(1, 0.01f);
    EXPECT_EQ(map->tipAnchor.x, 60);
}

TEST_F(MapFixture, TheEditorDragsAWaypointAndSavesTheLevelMap)
{
    WriteLevelMap({2});
    MakeMap("<Map name=\"Map\" editor=\"true\"/>");
    map->MouseDown(Point(131, 99));
    EXPECT_TRUE(map->dragging);
    EXPECT_EQ(PlayerRecord().level, 1) << "the editor does not choose levels";
    map->MouseMove(Point(250, 260));
    EXPECT_EQ(info.GetMapLevel(1, 0).x, 250);
    EXPECT_EQ(info.GetMapLevel(1, 0).y, 260);
    Point moved;
    ASSERT_TRUE(map->LevelPoint(0, 1, moved));
    EXPECT_EQ(moved, Point(250, 260));
    map->MouseUp(Point(250, 260));
    EXPECT_FALSE(map->dragging);
    // The level map is written out (into the file of the same name in any case).
    EXPECT_NE(testing_support::ReadTextFile(_dir.File("LevelMap.xml")).find("x=\"250\" y=\"260\""), std::string::npos);
}

TEST_F(MapFixture, SevenCountriesOfFifteenLevelsFitTheLightsTables)
{
    WriteLevelMap({15, 15, 15, 15, 15, 15, 15});
    MakeMap();
    ASSERT_EQ(map->WaypointCount(), 105);
    EXPECT_GE(map->lightSlots.size(), 107u);
    EXPECT_GE(map->lightStars.size(), map->lightSlots.size());
    EXPECT_GE(map->waypointAlpha.size(), 150u);
    EXPECT_EQ(map->WaypointIndex(6, 14), 104);
    EXPECT_EQ(map->WaypointIndex(6, 15), -1);
    EXPECT_EQ(map->WaypointIndex(7, 0), -1);
    // Whole walks of the light over the map, both kinds, at the last level.
    PlayerRecord().stage = 7;
    PlayerRecord().level = 15;
    PlayerRecord().maxStage = 7;
    PlayerRecord().maxLevel = 15;
    OnMapLayer(true);
    MapLight* light = nullptr;
    kernel.FlushPending();
    for (IController* c : kernel.Active())
        if (c && c->_name == "MapLight")
            light = static_cast<MapLight*>(c);
    ASSERT_NE(light, nullptr);
    for (int walk = 0; walk < 2; ++walk) {
        light->_state = walk == 0 ? MapLight::kWholeMap : MapLight::kOneCountry;
        light->_lightStage = 7;
        light->_lightLevel = 1;
        light->_rate = 0.2f;
        light->_time = 0.0f;
        for (int i = 0; i < 300; ++i) {
            light->Update(1.0f / 60.0f);
            if (light->_time >= 1.0f)
                break;
        }
        EXPECT_GT(light->_time, 0.9f);
    }
}
