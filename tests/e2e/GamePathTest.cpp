// The player's first path through the game, in the game folder that the
// build assembles: the splash pictures, the main menu, a profile typed in and
// chosen (and a second one deleted), every option changed, and the way out;
// then the world map with its flag, tips and waypoints, and the pages after
// a level (statistics, a lost life, the end of the game) leading back to it.
// The program's library runs in-process as the program's start-up builds it;
// input arrives as SDL events and frames run on a fixed time step. A
// picture of each screen is saved beside the test's output
// (game_path_screens/), with the run's log.htm.

#include "app/GameRun.h"
#include "game/screens/GameStatistics.h"
#include "game/screens/Map.h"
#include "game/screens/MenuIdleController.h"
#include "game/screens/MenuScene.h"
#include "game/screens/QTVLogo.h"
#include "game/screens/SSView.h"
#include "game/state/GameInfo.h"
#include "gui/GUIManager.h"
#include "gui/Layer.h"
#include "gui/ScreenImpl.h"
#include "gui/StringTable.h"
#include "gui/TextResource.h"
#include "gui/widgets/Button.h"
#include "gui/widgets/Text.h"
#include "tests/e2e/GameFolderTest.h"
#include "tests/support/FakeProcess.h"
#include "tests/support/TestEnvironment.h"

#include <SDL2/SDL.h>
#include <gtest/gtest.h>
#include <tinyxml.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace testing_support;

namespace {

Widget* LayerWidget(const char* layer, const char* widget)
{
    Layer* found = GUI.getLayer(layer);
    return found ? found->getWidget(widget) : nullptr;
}

class GamePathTest : public GameFolderTest {
protected:
    GamePathTest() : GameFolderTest("game_path_screens") {}

    // Clicks the middle of a widget (its rectangle counts y upward).
    void Press(const char* layer, const char* widget)
    {
        const Widget* found = LayerWidget(layer, widget);
        ASSERT_NE(found, nullptr) << layer << " " << widget;
        Click(found->rect.x + found->rect.w / 2, 600 - (found->rect.y + found->rect.h / 2));
    }

    // The quit question's screenshots lie in its panel, clear of the
    // question and its buttons, so they cover nothing of the screen below.
    static void ExpectTheScreenshotsInsideThePanel()
    {
        const auto* shots = dynamic_cast<const SSView*>(LayerWidget("QuitConfirm", "2Shots"));
        const Widget* panel = LayerWidget("QuitConfirm", "1Panel");
        ASSERT_TRUE(shots && panel && shots->colour[0]);
        const Rect shot(shots->corner.x, shots->corner.y, shots->colour[0]->imageWidth, shots->colour[0]->imageHeight);
        const Rect& frame = panel->rect;
        EXPECT_TRUE(shot.x >= frame.x + 16 && shot.x + shot.w <= frame.x + frame.w - 16 && shot.y >= frame.y + 16 &&
                    shot.y + shot.h <= frame.y + frame.h - 16)
            << "the screenshots stand out of the panel";
        // The question is a block centred on its point, hanging below it.
        const auto* question = dynamic_cast<const Text*>(LayerWidget("QuitConfirm", "ConfirmText"));
        ASSERT_TRUE(question && question->resource && question->resource->width > 0);
        const TextResource& block = *question->resource;
        const Rect text(question->position.x - block.width / 2, question->position.y - block.height, block.width,
                        block.height);
        const Widget* yes = LayerWidget("QuitConfirm", "Yes");
        const Widget* no = LayerWidget("QuitConfirm", "No");
        ASSERT_TRUE(yes && no);
        for (const Rect& r : {text, yes->rect, no->rect}) {
            const bool apart = r.x >= shot.x + shot.w || r.x + r.w <= shot.x || r.y >= shot.y + shot.h || r.y + r.h <= shot.y;
            EXPECT_TRUE(apart) << "the screenshots cover the question or a button at " << r.x << ", " << r.y;
            EXPECT_TRUE(r.x >= frame.x && r.x + r.w <= frame.x + frame.w) << "out of the panel at " << r.x << ", " << r.y;
        }
    }
};

// The live save file, read back.
struct SavedGame {
    TiXmlDocument document;
    const TiXmlElement* root = nullptr;

    explicit SavedGame(const std::string& path)
    {
        if (document.LoadFile(path.c_str()))
            root = document.RootElement();
    }

    std::string Attribute(const char* element, const char* name) const
    {
        const TiXmlElement* e = root ? root->FirstChildElement(element) : nullptr;
        const char* value = e ? e->Attribute(name) : nullptr;
        return value ? value : "";
    }

    std::vector<std::string> Profiles() const
    {
        std::vector<std::string> names;
        const TiXmlElement* profiles = root ? root->FirstChildElement("Profiles") : nullptr;
        for (const TiXmlElement* p = profiles ? profiles->FirstChildElement("Player") : nullptr; p;
             p = p->NextSiblingElement("Player"))
            names.push_back(p->Attribute("name") ? p->Attribute("name") : "");
        return names;
    }
};

} // namespace

TEST_F(GamePathTest, SplashMenuProfileOptionsAndQuitAreKeptForTheNextStart)
{
    // The engine's splash picture, under the splash layer.
    Frames(30);
    EXPECT_EQ(TopLayer(), "Splash");
    Picture("01_splash");

    // What other parts of the game name is there: the cross-fade's veil, the
    // exit confirmations with their texts, and the words of the pause, the
    // stages and the list's tip.
    ASSERT_NE(GUI.getLayer("Cross"), nullptr);
    EXPECT_NE(GUI.getLayer("Cross")->getWidget("BlackScreen"), nullptr);
    for (const char* layer : {"ExitGame", "ExitGameNoLostLife"}) {
        ASSERT_NE(GUI.getLayer(layer), nullptr) << layer;
        const auto* confirm = dynamic_cast<const Text*>(GUI.getLayer(layer)->getWidget("ConfirmText"));
        ASSERT_NE(confirm, nullptr) << layer;
        gameInfo.ShowExitConfirmation();
        EXPECT_NE(confirm->resource, nullptr);
        EXPECT_TRUE(confirm->resource == FindTextResource("EndGameAndLostLife") ||
                    confirm->resource == FindTextResource("EndGameAndLostLastLife"));
        gameInfo.ShowEndGameConfirmation();
        EXPECT_EQ(confirm->resource, FindTextResource("EndGame"));
    }
    // The board shows this one; here it stands over the splash for its picture.
    Screen.pushLayer(GUI.getLayer("ExitGame"));
    gameInfo.ShowExitConfirmation();
    Picture("01b_exit_level_confirmation");
    gameInfo.ShowEndGameConfirmation();
    Screen.popLayer();
    for (const char* id : {"Pause", "Country1", "Country2", "Country3", "Country4", "Country5", "Country6",
                           "Country7", "Stage", "Cycle"})
        EXPECT_FALSE(GetText(id).empty()) << id;
    EXPECT_EQ(GetText("Country7"), "Troy");

    // A click leaves it for the title picture; the space bar pressed during
    // the fade does not start a second one.
    Click(400, 300);
    Key(SDLK_SPACE);
    Frames(kFadeFrames);
    EXPECT_EQ(TopLayer(), "TitleSplash");
    EXPECT_TRUE(Screen.GetStack().empty());
    Picture("02_title");

    // The space bar (bound in KeyMap.xml) leaves the title for the menu.
    Key(SDLK_SPACE);
    Frames(kFadeFrames);
    ASSERT_EQ(TopLayer(), "MainMenu");
    Picture("03_main_menu");

    // Play without a profile leads to the profiles.
    Click(620, 260);
    Frames(kFadeFrames);
    ASSERT_EQ(TopLayer(), "Profiles");
    Picture("04_profiles_empty");

    // A name typed and Enter: the new player is active.
    Type("Ann");
    Key(SDLK_RETURN);
    EXPECT_TRUE(gameInfo.isPlayerExist("Ann"));
    EXPECT_EQ(gameInfo.getName(), "Ann");
    // An empty box and a name that is taken make nothing.
    Click(560, 498);
    Type("Ann");
    Key(SDLK_RETURN);
    EXPECT_EQ(gameInfo.getNumberOfPlayers(), 1);
    for (int i = 0; i < 3; ++i)
        Key(SDLK_BACKSPACE);
    // Another, with the Create button.
    Type("Bo");
    Click(560, 498);
    EXPECT_TRUE(gameInfo.isPlayerExist("Bo"));
    EXPECT_EQ(gameInfo.getName(), "Bo");
    MoveMouse(250, 216); // over Ann's row: the tip shows
    Frames(40);
    Picture("05_profiles_two_players");

    // Bo is deleted through the confirmation.
    Click(250, 258);
    Click(560, 286);
    ASSERT_EQ(TopLayer(), "DeleteProfile");
    Picture("06_delete_confirmation");
    Click(400, 342);
    EXPECT_EQ(TopLayer(), "Profiles");
    EXPECT_FALSE(gameInfo.isPlayerExist("Bo"));
    EXPECT_EQ(gameInfo.getName(), "Ann");

    // Ann is chosen: back to the menu, which greets her.
    Click(250, 216);
    Click(560, 226);
    Frames(kFadeFrames);
    ASSERT_EQ(TopLayer(), "MainMenu");
    Picture("07_main_menu_with_player");

    // Ann has read the story (the voyage's own test follows it): Play leads
    // to the world map; setting sail says the levels come next (Back closes
    // that), and Menu goes back.
    gameInfo.setViewHistory(true);
    Click(620, 260);
    Frames(kFadeFrames);
    ASSERT_EQ(TopLayer(), "Map");
    Picture("08_world_map");
    // Setting sail leads to the level's screen; leaving it asks first and
    // leads back to the menu.
    Click(690, 506);
    Frames(kFadeFrames);
    ASSERT_EQ(TopLayer(), "StageLayer_1");
    Frames(30);
    Picture("08b_stage");
    Key(SDLK_ESCAPE);
    Frames(2);
    ASSERT_TRUE(TopLayer() == "ExitGame" || TopLayer() == "ExitGameNoLostLife") << TopLayer();
    Click(400, 345);
    Frames(kFadeFrames);
    ASSERT_EQ(TopLayer(), "MainMenu");

    // Quit asks first; No stays.
    Click(620, 468);
    ASSERT_EQ(TopLayer(), "QuitConfirm");
    Picture("09_quit_confirmation");
    ExpectTheScreenshotsInsideThePanel();
    Press("QuitConfirm", "No");
    ASSERT_EQ(TopLayer(), "MainMenu");

    // The options: each change applies at once.
    Click(620, 416);
    Frames(kFadeFrames);
    ASSERT_EQ(TopLayer(), "Options");
    EXPECT_FALSE(gameInfo.getCustomCursor());
    Click(266, 252); // the game's cursor
    EXPECT_TRUE(gameInfo.getCustomCursor());
    EXPECT_TRUE(_app->customCursorOption);
    Click(352, 364); // sound volume: 102 of 256 points
    EXPECT_EQ(gameInfo.getSoundVolume(), 39);
    Click(404, 452); // music volume: 154 of 256 points
    EXPECT_EQ(gameInfo.getMusicVolume(), 60);
    Picture("10_options");
    Click(266, 196); // full screen, and back to a window
    EXPECT_TRUE(gameInfo.getFullscreen());
    EXPECT_TRUE(_app->fullscreen);
    Click(266, 196);
    EXPECT_FALSE(gameInfo.getFullscreen());
    EXPECT_FALSE(_app->fullscreen);
    Click(266, 196); // full screen it stays
    EXPECT_TRUE(gameInfo.getFullscreen());

    // Escape goes back to the menu; Quit and Yes end the game.
    Key(SDLK_ESCAPE);
    Frames(kFadeFrames);
    ASSERT_EQ(TopLayer(), "MainMenu");
    Click(620, 468);
    ASSERT_EQ(TopLayer(), "QuitConfirm");
    Press("QuitConfirm", "Yes");
    EXPECT_FALSE(_app->running);
    Shutdown();

    const std::string log = LogText();
    WriteTextFile(_shots + "/log.htm", log);
    EXPECT_EQ(log.find("Color = Red"), std::string::npos) << "the run's log has error lines";
    EXPECT_NE(log.find("Application shutdown!"), std::string::npos);

    // What the next start reads.
    const SavedGame saved(_appData + "/GameInfo.xml");
    ASSERT_NE(saved.root, nullptr);
    EXPECT_EQ(saved.Profiles(), std::vector<std::string>{"Ann"});
    EXPECT_EQ(saved.Attribute("ActivePlayer", "name"), "Ann");
    EXPECT_EQ(saved.Attribute("Options", "fullscreen"), "true");
    EXPECT_EQ(saved.Attribute("Options", "customCursor"), "1");
    EXPECT_EQ(saved.Attribute("Options", "sound"), "39");
    EXPECT_EQ(saved.Attribute("Options", "music"), "60");
    const TiXmlElement* hiScores = saved.root->FirstChildElement("HiScores");
    ASSERT_NE(hiScores, nullptr);
    int entries = 0;
    for (const TiXmlElement* e = hiScores->FirstChildElement("HiScoresElem"); e; e = e->NextSiblingElement())
        ++entries;
    EXPECT_EQ(entries, 10);

    // The next start of the program itself selects Ann again and runs
    // without an error line; it is stopped once its main loop runs. The
    // first run's log (kept above) goes first, so only the next start's own
    // "Start main loop" ends the wait.
    std::remove((_appData + "/log.htm").c_str());
    const pid_t child = fork();
    if (child == 0) {
        execl(VELMORA_BINARY, VELMORA_BINARY, static_cast<char*>(nullptr));
        _exit(98);
    }
    ASSERT_GT(child, 0);
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    std::string nextLog;
    while (std::chrono::steady_clock::now() < end) {
        nextLog = LogText();
        if (nextLog.find("Start main loop") != std::string::npos)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    kill(child, SIGTERM);
    int status = 0;
    waitpid(child, &status, 0);
    nextLog = LogText();
    WriteTextFile(_shots + "/log_next_start.htm", nextLog);
    EXPECT_NE(nextLog.find("Start main loop"), std::string::npos);
    EXPECT_NE(nextLog.find("Select player : </Font><Font Size = 1 Color = Black Face = Verdana>Ann</Font>"),
              std::string::npos);
    EXPECT_EQ(nextLog.find("Color = Red"), std::string::npos) << "the next start's log has error lines";
}

namespace {

// The top-down screen point of a waypoint of the level map (both from 0).
void WaypointOnScreen(int stage, int level, int& x, int& y)
{
    const LevelMapLevel& waypoint = gameInfo.GetMapLevel(level, stage);
    x = waypoint.x;
    y = 600 - waypoint.y;
}

} // namespace

TEST_F(GamePathTest, TheWorldMapAndThePagesAfterALevelLeadFromOneLevelToTheNext)
{
    // Past the splash pictures to the menu, with a player who reached the
    // third level of Babylon and stands on its second.
    Frames(30);
    Click(400, 300);
    Frames(kFadeFrames);
    Key(SDLK_SPACE);
    Frames(kFadeFrames);
    ASSERT_EQ(TopLayer(), "MainMenu");
    ASSERT_TRUE(gameInfo.AddNewPlayer("Cleo"));
    Player& cleo = gameInfo.GetPlayer("Cleo");
    cleo.viewHistory = true;
    cleo.maxStage = 2;
    cleo.maxLevel = 3;
    cleo.stage = 2;
    cleo.level = 2;
    ASSERT_EQ(gameInfo.GetMapStageCount(), 7);
    for (int s = 0; s < 7; ++s)
        EXPECT_EQ(gameInfo.GetMapStage(s).levels.size(), 15u) << s;

    // Play: the map, its flag on the player's level and its text.
    Click(620, 260);
    Frames(kFadeFrames);
    ASSERT_EQ(TopLayer(), "Map");
    auto* map = dynamic_cast<Map*>(LayerWidget("Map", "Map"));
    ASSERT_NE(map, nullptr);
    int x = 0, y = 0;
    WaypointOnScreen(1, 1, x, y);
    EXPECT_FLOAT_EQ(map->flag.x, static_cast<float>(x));
    EXPECT_FLOAT_EQ(map->flag.y, static_cast<float>(600 - y));
    ASSERT_FALSE(map->textQueue.Empty());
    EXPECT_EQ(map->textQueue.Last(), map->LevelText(1, 1));
    EXPECT_TRUE(map->tipVisible) << "the corner tip from the second country on";

    // A waypoint's tip (the country, the level and its bonuses) while the
    // corner tip tells about the artefacts.
    WaypointOnScreen(1, 2, x, y);
    MoveMouse(x, y);
    Frames(170);
    EXPECT_EQ(map->hoveredStage, 1);
    EXPECT_EQ(map->hoveredLevel, 2);
    Picture("11_map_waypoint_tip");
    MoveMouse(92, 88);
    Frames(10);
    EXPECT_TRUE(map->tipHovered);
    Picture("12_map_artefact_tip");

    // A click on a reached waypoint chooses that level; an unreached one does nothing.
    WaypointOnScreen(1, 3, x, y);
    Click(x, y);
    EXPECT_EQ(cleo.level, 2);
    WaypointOnScreen(0, 6, x, y);
    Click(x, y);
    EXPECT_EQ(cleo.stage, 1);
    EXPECT_EQ(cleo.level, 7);
    EXPECT_FLOAT_EQ(map->flag.x, static_cast<float>(x));

    // The level is played (the board is not part of this path): it is won,
    // and the statistics page comes up over a veil, started by its command.
    cleo.stage = 2;
    cleo.level = 3;
    gameInfo.StoreLevelStartState();
    cleo.tiles += 140;
    cleo.numMatches += 37;
    cleo.score += 4200;
    cleo.timeBonus = 600;
    cleo.pieces += 1;
    cleo.levelTime = 75.4f;
    gameInfo.CompleteLevel();
    ASSERT_EQ(cleo.level, 4);
    ASSERT_EQ(cleo.maxLevel, 4);
    Widget* veil = LayerWidget("Fade", "Fade");
    ASSERT_NE(veil, nullptr);
    veil->SetColor(Color(0, 0, 0, 128));
    Screen.pushLayer(GUI.getLayer("Fade"));
    Screen.pushLayer(GUI.getLayer("Statistics"));
    auto* page = dynamic_cast<GameStatistics*>(LayerWidget("Statistics", "GameStatistics"));
    ASSERT_NE(page, nullptr);
    page->AcceptMessage(Message("Start"));
    auto* ok = dynamic_cast<Button*>(LayerWidget("Statistics", "Ok"));
    ASSERT_NE(ok, nullptr);
    EXPECT_FALSE(ok->enabled);
    Frames(60);
    Picture("13_statistics_playing");
    EXPECT_FALSE(ok->enabled);
    // A click on the page shows it all at once and enables Ok.
    Click(200, 300);
    EXPECT_TRUE(page->_text.AllFinished());
    EXPECT_TRUE(ok->enabled);
    EXPECT_EQ(page->_text.String("ScoreValue")._text, " 3600");
    EXPECT_EQ(page->_text.String("TimeValue")._text, " 01:15");
    Frames(30);
    Picture("14_statistics");

    // Ok: back to the map, where the flag sails on to the next level.
    const Vector3 before = map->flag;
    Click(400, 516);
    EXPECT_EQ(cleo.wiseTipNumber, 1);
    Frames(kFadeFrames);
    ASSERT_EQ(TopLayer(), "Map");
    Frames(20);
    EXPECT_TRUE(map->flagMoverEnabled) << "the flag is under way";
    Picture("15_map_flag_sailing");
    Frames(60);
    WaypointOnScreen(1, 3, x, y);
    EXPECT_FLOAT_EQ(map->flag.x, static_cast<float>(x));
    EXPECT_FLOAT_EQ(map->flag.y, static_cast<float>(600 - y));
    EXPECT_NE(map->flag.x, before.x);
    EXPECT_FALSE(map->flagMoverEnabled);

    // A level lost with lives left: the lost-life page, whose button tries
    // the level again.
    GUI.SetTextVariable("LivesLeftCount", "2");
    LayerWidget("LoseLife", "LivesLeft")->AcceptMessage(Message("SetText", "LivesLeft"));
    LayerWidget("Fade_2", "Fade_2")->SetColor(Color(0, 0, 0, 150));
    Screen.pushLayer(GUI.getLayer("Fade_2"));
    Screen.pushLayer(GUI.getLayer("LoseLife"));
    Frames(5);
    Picture("16_lost_life");
    Click(400, 400);
    Frames(kFadeFrames);
    EXPECT_EQ(TopLayer(), "StageLayer_2") << "the level again";
    Screen.ClearLayers();
    Screen.SetLayer(GUI.getLayer("Map"));

    // The last life lost: the game-over page; to the map, where the flag
    // walks back through the country, which starts again, with three lives.
    cleo.lives = 0;
    Screen.pushLayer(GUI.getLayer("Fade_2"));
    Screen.pushLayer(GUI.getLayer("GameOver"));
    Frames(5);
    Picture("17_game_over");
    Click(400, 400);
    Frames(kFadeFrames);
    ASSERT_EQ(TopLayer(), "Map");
    EXPECT_EQ(cleo.lives, 3);
    Frames(60);
    EXPECT_EQ(cleo.maxLevel, 1);
    EXPECT_EQ(cleo.maxStage, 2);
    Picture("18_map_country_walk_back");
    Frames(120);
    WaypointOnScreen(1, 0, x, y);
    EXPECT_FLOAT_EQ(map->flag.x, static_cast<float>(x));
    EXPECT_FLOAT_EQ(map->flag.y, static_cast<float>(600 - y));

    // Menu: back to the main menu.
    Click(690, 561);
    Frames(kFadeFrames);
    EXPECT_EQ(TopLayer(), "MainMenu");

    // A won cycle: on the map the island's title rises with its waves while
    // every waypoint goes out, and the voyage starts again in Phoenicia.
    cleo.win = true;
    cleo.cycle = 2;
    cleo.stage = 1;
    cleo.level = 1;
    cleo.maxStage = 8;
    cleo.maxLevel = 1;
    Click(620, 260);
    Frames(kFadeFrames + 90);
    ASSERT_EQ(TopLayer(), "Map");
    EXPECT_FALSE(cleo.win);
    EXPECT_EQ(cleo.maxStage, 1);
    EXPECT_GT(map->titleAlpha, 0);
    Picture("19_map_title_rising");
    Frames(600);
    EXPECT_EQ(map->titleAlpha, 255);
    for (int alpha : map->waypointAlpha)
        EXPECT_EQ(alpha, 0);
    Picture("20_map_next_cycle");
    Click(690, 561);
    Frames(kFadeFrames);
    EXPECT_EQ(TopLayer(), "MainMenu");

    ShutdownApplication();
    _app.reset();
    const std::string log = LogText();
    WriteTextFile(_shots + "/log_world_map.htm", log);
    EXPECT_EQ(log.find("Color = Red"), std::string::npos) << "the run's log has error lines";
}


// The main menu left standing: the gems a player has earned light up under
// their rays, fish swim, the screensaver tip comes and goes, the publisher's
// logo lights up under the mouse; after 30 idle seconds the hi-score panel
// slides in with the logo gone, and a click sends it out again.
TEST_F(GamePathTest, TheIdleMenuShowsTheGemsTheFishAndThenTheHiScores)
{
    FakeProcess desktop;
    Frames(30);
    ASSERT_EQ(TopLayer(), "Splash");
    // A player who has reached the fourth country and saw one gem lit.
    ASSERT_TRUE(gameInfo.AddNewPlayer("Cleo"));
    Player& cleo = gameInfo.GetPlayer("Cleo");
    cleo.maxStage = 4;
    cleo.stage = 4;
    cleo.menuParam1 = 1;
    cleo.showSSTip = false;
    gameInfo._useScreensaver = true; // the tip shows only where there is a screensaver
    Key(SDLK_SPACE);
    Frames(kFadeFrames);
    Key(SDLK_SPACE);
    Frames(kFadeFrames);
    ASSERT_EQ(TopLayer(), "MainMenu");

    // The two gems earned since the last visit light up one after another.
    EXPECT_TRUE(g_menuScene.syncRun);
    EXPECT_EQ(g_menuIdleController.syncFirst, 1);
    EXPECT_EQ(g_menuIdleController.syncCount, 2);
    EXPECT_TRUE(g_menuIdleController.tip.showing);
    EXPECT_EQ(g_menuScene.gemCount, 7);
    EXPECT_FALSE(g_menuScene.fish.empty());
    EXPECT_FALSE(g_menuScene.waves.empty());
    Frames(90);
    Picture("20_menu_gem_rays");
    Frames(60);
    Picture("21_menu_screensaver_tip");
    Frames(4 * 60);
    EXPECT_FALSE(g_menuScene.syncRun);
    EXPECT_EQ(cleo.menuParam1, 3);
    Picture("22_menu_with_three_gems");
    Frames(3 * 60);
    EXPECT_TRUE(cleo.showSSTip) << "the tip counts as seen after seven seconds";

    // The logo lights up under the mouse; a click opens nothing without a
    // shortcut beside the game.
    auto* logo = dynamic_cast<QTVLogo*>(GUI.getLayer("MainMenu")->getWidget("PublisherLogo"));
    ASSERT_NE(logo, nullptr);
    ASSERT_NE(logo->Animator(), nullptr) << "the logo pictures are beside the game";
    EXPECT_EQ(g_logoWidget, logo);
    MoveMouse(60, 558);
    Frames(20);
    EXPECT_EQ(logo->Animator()->Current().picture, logo->HoverPicture());
    Picture("23_menu_logo_hover");
    Click(60, 558);
    EXPECT_TRUE(desktop.Starts().empty());
    MoveMouse(400, 300);

    // Standing idle: the panel slides in at 30 seconds from the menu's
    // showing, the logo goes.
    ASSERT_EQ(g_menuIdleController.panel.state, HiScorePanel::kHidden);
    const int idleFrames = static_cast<int>((30.0f - g_menuIdleController.panel.timer) * 60.0f);
    ASSERT_GT(idleFrames, 60);
    Frames(idleFrames - 30);
    EXPECT_EQ(g_menuIdleController.panel.state, HiScorePanel::kHidden);
    EXPECT_TRUE(logo->enabled);
    Frames(60);
    EXPECT_EQ(g_menuIdleController.panel.state, HiScorePanel::kSlidingIn);
    EXPECT_FALSE(logo->enabled);
    Frames(90);
    ASSERT_EQ(g_menuIdleController.panel.state, HiScorePanel::kShown);
    Frames(60);
    EXPECT_EQ(g_menuScene.panelText.String("Name1")._text, gameInfo.getHiScoresLine(1).name);
    EXPECT_EQ(g_menuScene.panelText.String("Value10")._text, std::to_string(gameInfo.getHiScoresLine(10).score));
    Picture("24_menu_hiscores");

    // A click anywhere sends it out; the logo is back.
    Click(200, 300);
    EXPECT_EQ(g_menuIdleController.panel.state, HiScorePanel::kSlidingOut);
    Frames(70);
    EXPECT_EQ(g_menuIdleController.panel.state, HiScorePanel::kHidden);
    EXPECT_TRUE(logo->enabled);
    Picture("25_menu_after_the_panel");

    // The quit question shows the screenshots; the idle count waits while
    // it is open and starts again when it closes.
    Click(620, 468);
    ASSERT_EQ(TopLayer(), "QuitConfirm");
    EXPECT_FALSE(g_menuIdleController.panel.idleClockRunning);
    const float waiting = g_menuIdleController.panel.timer;
    Frames(60);
    EXPECT_FLOAT_EQ(g_menuIdleController.panel.timer, waiting);
    Picture("26_quit_question_with_screenshots");
    Press("QuitConfirm", "No");
    ASSERT_EQ(TopLayer(), "MainMenu");
    EXPECT_TRUE(g_menuIdleController.panel.idleClockRunning);
    EXPECT_LT(g_menuIdleController.panel.timer, 0.1f);

    const std::string log = LogText();
    WriteTextFile(_shots + "/log_menu.htm", log);
    EXPECT_EQ(log.find("Color = Red"), std::string::npos) << "the run's log has error lines";
}
