// The player's first path through the game, in the game folder that the
// build assembles: the splash pictures, the main menu, a profile typed in and
// chosen (and a second one deleted), every option changed, and the way out.
// The program's library runs in-process as the program's start-up builds it;
// input arrives as SDL events and frames run on a fixed time step. A
// picture of each screen is saved beside the test's output
// (game_path_screens/), with the run's log.htm.

#include "game/state/GameInfo.h"
#include "gui/GUIManager.h"
#include "gui/Layer.h"
#include "gui/ScreenImpl.h"
#include "gui/StringTable.h"
#include "gui/TextResource.h"
#include "gui/widgets/Text.h"
#include "tests/e2e/GameFolderTest.h"
#include "tests/support/TestEnvironment.h"

#include <SDL2/SDL.h>
#include <gtest/gtest.h>
#include <tinyxml.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace testing_support;

namespace {

class GamePathTest : public GameFolderTest {
protected:
    GamePathTest() : GameFolderTest("game_path_screens") {}
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
    Click(250, 308);
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

    // Ann has read the story (the voyage's own test follows it): Play now
    // says what comes next; Back closes it.
    gameInfo.setViewHistory(true);
    Click(250, 308);
    ASSERT_EQ(TopLayer(), "ComingSoon");
    Picture("08_coming_soon");
    Click(400, 400);
    ASSERT_EQ(TopLayer(), "MainMenu");

    // Quit asks first; No stays.
    Click(250, 524);
    ASSERT_EQ(TopLayer(), "QuitConfirm");
    Picture("09_quit_confirmation");
    Click(400, 400);
    ASSERT_EQ(TopLayer(), "MainMenu");

    // The options: each change applies at once.
    Click(250, 470);
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
    Click(250, 524);
    ASSERT_EQ(TopLayer(), "QuitConfirm");
    Click(400, 342);
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
    // without an error line; it is stopped once its main loop runs.
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
