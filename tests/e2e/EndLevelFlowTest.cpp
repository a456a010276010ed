// Round after round in the game folder that the build assembles: a level
// finished leads through the counted time bonus to the statistics page and,
// by its "Ok", to the map, where the flag sails on to the next level; a
// level whose time runs out costs a life and offers the level again; the
// last life ends on the game-over page, whose button leads to the map with
// the country to play again from its start and three new lives. Pictures of
// the pages are saved beside the test's output (end_level_flow/), with the
// run's log.htm.

#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "engine/resources/ResourceManager.h"
#include "engine/script/ScriptHost.h"
#include "game/board/GameField.h"
#include "game/screens/Map.h"
#include "game/state/GameInfo.h"
#include "game/state/Player.h"
#include "gui/GUIManager.h"
#include "gui/Layer.h"
#include "gui/Message.h"
#include "tests/e2e/GameFolderTest.h"

#include <gtest/gtest.h>

#include <string>

using namespace testing_support;

namespace {

Widget* LayerWidget(const std::string& layer, const std::string& widget)
{
    Layer* found = GUI.getLayer(layer);
    return found ? found->getWidget(widget) : nullptr;
}

class EndLevelFlowTest : public GameFolderTest {
protected:
    EndLevelFlowTest() : GameFolderTest("end_level_flow") {}

    // Clicks the middle of a page's button.
    void Press(const std::string& layer, const std::string& button)
    {
        const Widget* widget = LayerWidget(layer, button);
        ASSERT_NE(widget, nullptr) << layer << " " << button;
        Click(widget->rect.x + widget->rect.w / 2, 600 - (widget->rect.y + widget->rect.h / 2));
    }

    // The stage's screen with the level under way.
    GameField* PlayingBoard()
    {
        EXPECT_EQ(TopLayer(), "StageLayer_1");
        auto* board = dynamic_cast<GameField*>(LayerWidget("StageLayer_1", "GameField"));
        if (!board)
            return nullptr;
        Frames(kFramesPerSecond);
        if (!startPictured) {
            // The country's title spins in; the level's name and "Go!" follow.
            Picture("00_level_start_country");
            Frames(kFramesPerSecond + 48);
            Picture("00_level_start_level");
            Frames(2 * kFramesPerSecond + 12);
            Picture("00_level_start_go");
            startPictured = true;
        }
        Frames(6 * kFramesPerSecond);
        EXPECT_FALSE(board->_endLevelRunning);
        EXPECT_FALSE(board->_squares.empty());
        return board;
    }

    // A shown tip is closed with a click, as a player does, and falling
    // chips land: a busy board ends no level.
    void SettleBoard(GameField& board)
    {
        if (board._isShowMessage) {
            Frames(2 * kFramesPerSecond);
            Click(20, 20);
        }
        for (int frame = 0; frame < 10 * kFramesPerSecond && board.IsBusy(); ++frame)
            Frames(1);
        ASSERT_FALSE(board.IsBusy());
    }

    // The level is won at once, as the cheat's message does it.
    void CompleteLevel(GameField& board)
    {
        SettleBoard(board);
        board.AcceptMessage(Message("FastCompleteLevel"));
        ASSERT_TRUE(board._endLevelRunning);
    }

    // The level's time runs out.
    void RunOutOfTime(GameField& board)
    {
        SettleBoard(board);
        Player& player = gameInfo.GetPlayer(gameInfo.getName());
        // The board's clock is the level's time: past the time allowed.
        board._elapsed = player.timeToLevel + 0.1f;
        player.levelTime = board._elapsed;
        Frames(2);
        ASSERT_TRUE(board._endLevelRunning);
    }

    // Runs frames one at a time while the condition holds (at most the
    // seconds given); every frame's drawing must bind only pictures that are
    // in video memory (one that is not draws as a white quad).
    template <typename Condition>
    void FramesWithEveryPictureLoaded(int seconds, Condition condition, const char* what)
    {
        for (int frame = 0; frame < seconds * kFramesPerSecond && condition(); ++frame) {
            const int before = g_renderDevice.unloadedPictureBinds;
            Frames(1);
            if (g_renderDevice.unloadedPictureBinds != before) {
                const Texture* picture = g_renderDevice.lastUnloadedPicture;
                ADD_FAILURE() << what << ", frame " << frame << ": a picture of " << picture->image.width << " x "
                              << picture->image.height << " not in video memory was drawn on " << TopLayer();
                return;
            }
        }
    }

    static bool Uploaded(const std::string& id)
    {
        const ResourceEntry<Sprite>* entry = g_resourceManager.FindTexture2D(id);
        return entry && entry->uploaded;
    }

    bool startPictured = false;
};

} // namespace

TEST_F(EndLevelFlowTest, ALevelWonALevelLostAndTheLastLifeLost)
{
    PastTheSplashToTheMenu();
    ASSERT_EQ(TopLayer(), "MainMenu");
    ASSERT_TRUE(gameInfo.AddNewPlayer("Elissa"));
    gameInfo.setViewHistory(true);
    Player& player = gameInfo.GetPlayer("Elissa");
    Picture("01_menu");

    // Play: the map, then the first level.
    Click(620, 260);
    Frames(kFadeFrames);
    ASSERT_EQ(TopLayer(), "Map");
    const auto* firstMap = dynamic_cast<Map*>(LayerWidget("Map", "Map"));
    ASSERT_NE(firstMap, nullptr);
    Point first;
    ASSERT_TRUE(firstMap->LevelPoint(0, 0, first));
    EXPECT_NEAR(firstMap->flag.x, static_cast<float>(first.x), 5.0f);
    Click(690, 506);
    Frames(kFadeFrames);
    GameField* board = PlayingBoard();
    ASSERT_NE(board, nullptr);
    const int scoreBefore = board->_score;

    // Won with time left: the count-up runs until a click skips it, and the
    // statistics page comes up over a veil.
    CompleteLevel(*board);
    EXPECT_EQ(player.level, 2);
    Frames(kFramesPerSecond);
    EXPECT_TRUE(board->_isBlocked);
    EXPECT_EQ(TopLayer(), "StageLayer_1");
    Picture("01_level_complete_letters");
    Click(300, 300);
    EXPECT_EQ(TopLayer(), "Statistics");
    EXPECT_EQ(board->_score, scoreBefore + player.timeBonus);
    EXPECT_GT(player.timeBonus, 0);
    EXPECT_EQ(player.score, board->_score);
    Frames(2 * kFramesPerSecond);
    Picture("02_statistics_playing_in");
    // A click on the page shows it whole; "Ok" then leads on.
    Click(400, 300);
    Frames(kFramesPerSecond);
    Picture("03_statistics");

    // Ok: the map, where the flag sails to the second level.
    Press("Statistics", "Ok");
    Frames(kFadeFrames + 3 * kFramesPerSecond);
    ASSERT_EQ(TopLayer(), "Map");
    auto* map = dynamic_cast<Map*>(LayerWidget("Map", "Map"));
    ASSERT_NE(map, nullptr);
    Point second;
    ASSERT_TRUE(map->LevelPoint(0, 1, second));
    EXPECT_NEAR(map->flag.x, static_cast<float>(second.x), 5.0f) << "the flag sailed on";
    EXPECT_NEAR(map->flag.y, static_cast<float>(second.y), 5.0f);
    Picture("04_map_after_the_level");
    Click(690, 506);
    Frames(kFadeFrames);
    board = PlayingBoard();
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->_level, 2);

    // Out of time: a life goes, the page says how many are left, and the
    // level starts again.
    RunOutOfTime(*board);
    EXPECT_EQ(player.lives, 2);
    Frames(9 * kFramesPerSecond + 30);
    ASSERT_EQ(TopLayer(), "LoseLife");
    Picture("05_lost_life");
    Press("LoseLife", "TryAgain");
    Frames(kFadeFrames);
    board = PlayingBoard();
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->_level, 2);
    EXPECT_EQ(board->_shownLives, 2);

    // The last life: the game-over page; its button leads to the map with
    // the country to play again and three new lives.
    player.lives = 1;
    board->_shownLives = 1;
    RunOutOfTime(*board);
    EXPECT_TRUE(gameInfo.IsGameOver());
    Frames(9 * kFramesPerSecond + 30);
    ASSERT_EQ(TopLayer(), "GameOver");
    Picture("06_game_over");
    Press("GameOver", "ToMap");
    Frames(kFadeFrames + 2 * kFramesPerSecond);
    ASSERT_EQ(TopLayer(), "Map");
    EXPECT_EQ(player.lives, 3);
    EXPECT_EQ(player.stage, 1);
    EXPECT_EQ(player.level, 1);
    Picture("07_map_after_the_game_over");

    Shutdown();
    const std::string log = LogText();
    WriteTextFile(_shots + "/log.htm", log);
    EXPECT_EQ(log.find("Color = Red"), std::string::npos) << "the run's log has error lines";
}

// A country's last level won: the profile moves on to the next country at
// once, while the board still shows the country it played through the count,
// the statistics and the artefact's hand-over until the shield; none of that
// may draw a picture that is not loaded. The next country's first level then
// lets the first country's pictures go.
TEST_F(EndLevelFlowTest, TheLastLevelOfACountryIsDrawnWholeUntilTheShield)
{
    PastTheSplashToTheMenu();
    ASSERT_TRUE(gameInfo.AddNewPlayer("Hiram"));
    gameInfo.setViewHistory(true);
    Player& player = gameInfo.GetPlayer("Hiram");
    const int levels = static_cast<int>(gameInfo.GetMapStage(0).levels.size());
    ASSERT_GT(levels, 1);
    player.level = player.maxLevel = levels;

    Click(620, 260);
    Frames(kFadeFrames);
    ASSERT_EQ(TopLayer(), "Map");
    Click(690, 506);
    Frames(kFadeFrames);
    GameField* board = PlayingBoard();
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->_level, levels);

    CompleteLevel(*board);
    EXPECT_EQ(player.stage, 2) << "the profile is in the next country";
    FramesWithEveryPictureLoaded(1, [] { return true; }, "the level's end");
    Picture("10_last_level_won");
    Click(300, 300);
    ASSERT_EQ(TopLayer(), "Statistics");
    FramesWithEveryPictureLoaded(2, [] { return true; }, "the statistics");
    Click(400, 300);
    FramesWithEveryPictureLoaded(1, [] { return true; }, "the statistics");
    Press("Statistics", "Ok");
    FramesWithEveryPictureLoaded(2, [] { return true; }, "the hand-over");
    EXPECT_EQ(TopLayer(), "StageLayer_1");
    Picture("11_artefact_hand_over");
    FramesWithEveryPictureLoaded(30, [this] { return TopLayer() != "Shield"; }, "the hand-over");
    ASSERT_EQ(TopLayer(), "Shield");
    EXPECT_TRUE(Uploaded("PhoeniciaBG")) << "the country played stays loaded until the next one starts";
    Frames(2 * kFramesPerSecond);
    Picture("12_shield_after_the_hand_over");

    // The next country's first level.
    CallScriptFunction("StartStageLevel");
    FramesWithEveryPictureLoaded(10, [] { return true; }, "the next country's first level");
    ASSERT_EQ(TopLayer(), "StageLayer_2");
    EXPECT_TRUE(Uploaded("BabylonBG"));
    EXPECT_TRUE(Uploaded("scope_tex2"));
    EXPECT_FALSE(Uploaded("PhoeniciaBG")) << "the first country's pictures went";
    EXPECT_FALSE(Uploaded("FieldBG_1"));
    EXPECT_FALSE(Uploaded("scope_tex1"));
    Picture("13_next_country_first_level");

    Shutdown();
    const std::string log = LogText();
    WriteTextFile(_shots + "/log_country_end.htm", log);
    EXPECT_EQ(log.find("Color = Red"), std::string::npos) << "the run's log has error lines";
}
