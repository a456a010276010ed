// A player scripted from the menu to the map in the game folder that the
// build assembles: a new profile reads the story, leaves the help, watches
// the sail and the first scene, sets sail for the first level, closes the
// first tip and plays the moves the board offers with the mouse until the
// level is won; the count-up and the statistics follow and "Ok" leads to
// the map with the flag on the second level, as the saved profile says.
// And the demo that the idle menu starts: a minute of play with a clean
// log, the profile as it was. The fill is seeded, the step a sixtieth of a
// second. Pictures go beside the test's output (scripted_player/).

#include "engine/script/ScriptHost.h"
#include "engine/util/Random.h"
#include "game/board/GameField.h"
#include "game/board/Square.h"
#include "game/screens/History.h"
#include "game/screens/Map.h"
#include "game/state/GameInfo.h"
#include "game/state/Player.h"
#include "gui/GUIManager.h"
#include "gui/Layer.h"
#include "tests/e2e/GameFolderTest.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

#include <list>
#include <string>
#include <vector>

using namespace testing_support;

namespace {

constexpr std::uint32_t kFillSeed = 20;

template <typename Kind>
Kind* WidgetOf(const std::string& layer, const char* widget)
{
    Layer* found = GUI.getLayer(layer);
    return found ? dynamic_cast<Kind*>(found->getWidget(widget)) : nullptr;
}

// The demo's rule: a move at or below an artefact or bonus piece of its
// column first, otherwise the first move found.
MoveRecord ChooseMove(GameField& board)
{
    const std::list<MoveRecord> moves = board.FindMoves();
    for (const MoveRecord& move : moves)
        for (const std::unique_ptr<Square>& square : board._squares)
            if (square->kind >= 0x41 && square->kind <= 0x9F && (move.x1 == square->x || move.x2 == square->x) &&
                move.y1 <= square->y)
                return move;
    return moves.front();
}

class ScriptedPlayerTest : public GameFolderTest {
protected:
    ScriptedPlayerTest() : GameFolderTest("scripted_player") { FixClockSeed(kFillSeed); }
    ~ScriptedPlayerTest() override { UnfixClockSeed(); }

    // A cell's centre on the screen, y counted from the top.
    static Point CellOnScreen(const GameField& board, int x, int y)
    {
        return Point(board._originX + GameField::kCellSize * x + GameField::kCellSize / 2,
                     600 - (board._originY + GameField::kCellSize * y + GameField::kCellSize / 2));
    }

    void Press(const std::string& layer, const char* button)
    {
        const Widget* widget = WidgetOf<Widget>(layer, button);
        ASSERT_NE(widget, nullptr) << layer << " " << button;
        Click(widget->rect.x + widget->rect.w / 2, 600 - (widget->rect.y + widget->rect.h / 2));
    }

    // Clicks a story page to its end, then on.
    void ReadPage(PageBook& book, int page)
    {
        ASSERT_EQ(book._currentPage, page);
        Frames(30);
        Click(400, 300);
        Frames(20);
        Click(400, 300);
    }

    // A tip over the board is closed as a player would, by a press beside
    // its box once it has come in.
    void CloseTip(GameField& board)
    {
        if (!board._isShowMessage)
            return;
        Frames(2 * kFramesPerSecond);
        Click(20, 20);
        Frames(kFramesPerSecond);
    }

    // Frames until the board takes a move again (or the level ends).
    bool WaitForTheBoard(GameField& board)
    {
        for (int waited = 0; waited < 20 * kFramesPerSecond; waited += 10) {
            if (board._endLevelRunning)
                return true;
            if (board._isShowMessage)
                CloseTip(board);
            if (!board.IsBusy() && !board._reshuffleRunning && !board.FindMoves().empty())
                return true;
            Frames(10);
        }
        return false;
    }

    std::string SavedGameInfo() const { return ReadTextFile(_appData + "/GameInfo.xml"); }

    void ExpectACleanLog(const std::string& name)
    {
        Shutdown();
        const std::string log = LogText();
        WriteTextFile(_shots + "/" + name, log);
        EXPECT_EQ(log.find("Color = Red"), std::string::npos) << "the run's log has error lines";
    }
};

// The saved player element of that name, or null.
const TiXmlElement* SavedPlayer(const TiXmlDocument& document, const std::string& name)
{
    const TiXmlElement* root = document.RootElement();
    const TiXmlElement* profiles = root ? root->FirstChildElement("Profiles") : nullptr;
    for (const TiXmlElement* player = profiles ? profiles->FirstChildElement("Player") : nullptr; player;
         player = player->NextSiblingElement("Player"))
        if (player->Attribute("name") && name == player->Attribute("name"))
            return player;
    return nullptr;
}

} // namespace

TEST_F(ScriptedPlayerTest, ANewProfilePlaysTheFirstLevelFromTheMenuToTheMap)
{
    PastTheSplashToTheMenu();
    ASSERT_EQ(TopLayer(), "MainMenu");

    // Play without a profile: a new one, typed, chosen, back to the menu.
    Click(620, 260);
    Frames(kFadeFrames);
    ASSERT_EQ(TopLayer(), "Profiles");
    Type("Nora");
    Key(SDLK_RETURN);
    ASSERT_EQ(gameInfo.getName(), "Nora");
    Click(250, 216);
    Click(560, 226);
    Frames(kFadeFrames);
    ASSERT_EQ(TopLayer(), "MainMenu");

    // The story's three pages, the help, the sail and Phoenicia's scene.
    Click(620, 260);
    Frames(kFadeFrames);
    ASSERT_EQ(TopLayer(), "History");
    History* story = WidgetOf<History>("History", "Book");
    ASSERT_NE(story, nullptr);
    for (int page = 0; page < 3; ++page)
        ReadPage(*story, page);
    Frames(kFadeFrames);
    ASSERT_EQ(TopLayer(), "Help");
    Frames(30);
    Click(400, 545);
    Frames(kFadeFrames);
    ASSERT_EQ(TopLayer(), "Sail");
    Frames(3 * kFramesPerSecond + kFadeFrames);
    ASSERT_EQ(TopLayer(), "CountryScene");
    Frames(30);
    Click(400, 562);
    Frames(kFadeFrames);
    ASSERT_EQ(TopLayer(), "Map");
    const Map* map = WidgetOf<Map>("Map", "Map");
    ASSERT_NE(map, nullptr);
    Point first;
    ASSERT_TRUE(map->LevelPoint(0, 0, first));
    EXPECT_NEAR(map->flag.x, static_cast<float>(first.x), 5.0f);

    // Set sail: the first level, its chips settled and its first tip closed.
    Click(690, 506);
    Frames(kFadeFrames);
    ASSERT_EQ(TopLayer(), "StageLayer_1");
    auto* board = WidgetOf<GameField>("StageLayer_1", "GameField");
    ASSERT_NE(board, nullptr);
    Frames(6 * kFramesPerSecond);
    ASSERT_TRUE(board->HasLevel());
    EXPECT_EQ(board->_level, 1);
    EXPECT_TRUE(board->_isShowMessage) << "the first level opens with a tip";
    Picture("01_first_level_with_its_tip");
    CloseTip(*board);
    ASSERT_FALSE(board->_isShowMessage);

    // Moves with the mouse, a press on a cell and one on its neighbour,
    // until the artefact's piece has reached the bottom.
    int moves = 0;
    while (!board->_endLevelRunning && moves < 150) {
        ASSERT_TRUE(WaitForTheBoard(*board)) << "the board stays busy after move " << moves;
        if (board->_endLevelRunning)
            break;
        const MoveRecord move = ChooseMove(*board);
        const Point a = CellOnScreen(*board, move.x1, move.y1);
        const Point b = CellOnScreen(*board, move.x2, move.y2);
        const int scoreBefore = board->_score;
        Click(a.x, a.y);
        Click(b.x, b.y);
        Frames(kFramesPerSecond);
        EXPECT_GT(board->_score, scoreBefore) << "move " << moves << " made no line";
        ++moves;
        if (moves == 1)
            Picture("02_first_move");
    }
    ASSERT_TRUE(board->_endLevelRunning) << "not won in " << moves << " moves";
    Player& nora = gameInfo.GetPlayer("Nora");
    EXPECT_EQ(nora.level, 2);

    // The time left is counted up into the score; the statistics follow.
    int shownScore = board->_score;
    bool counted = false;
    for (int frame = 0; frame < 20 * kFramesPerSecond && TopLayer() != "Statistics"; ++frame) {
        Frames(1);
        if (board->_score > shownScore) {
            if (!counted)
                Picture("03_count_up");
            counted = true;
        }
        EXPECT_GE(board->_score, shownScore) << "the count only goes up";
        shownScore = board->_score;
    }
    EXPECT_TRUE(counted) << "the time bonus was counted up";
    ASSERT_EQ(TopLayer(), "Statistics");
    EXPECT_GT(nora.timeBonus, 0);
    EXPECT_EQ(nora.score, board->_score);
    Frames(2 * kFramesPerSecond);
    Click(400, 300);
    Frames(kFramesPerSecond);
    Picture("04_statistics");

    // Ok: the map, where the flag sails on to the second level.
    Press("Statistics", "Ok");
    Frames(kFadeFrames + 3 * kFramesPerSecond);
    ASSERT_EQ(TopLayer(), "Map");
    map = WidgetOf<Map>("Map", "Map");
    ASSERT_NE(map, nullptr);
    Point second;
    ASSERT_TRUE(map->LevelPoint(0, 1, second));
    EXPECT_NEAR(map->flag.x, static_cast<float>(second.x), 5.0f);
    EXPECT_NEAR(map->flag.y, static_cast<float>(second.y), 5.0f);
    Picture("05_map_flag_on_level_2");
    const int score = nora.score;
    EXPECT_GT(score, 0);

    ExpectACleanLog("log_first_level.htm");
    TiXmlDocument saved;
    saved.Parse(SavedGameInfo().c_str());
    const TiXmlElement* player = SavedPlayer(saved, "Nora");
    ASSERT_NE(player, nullptr) << "GameInfo.xml holds the profile";
    int savedLevel = 0, savedStage = 0, savedScore = 0;
    EXPECT_EQ(player->QueryIntAttribute("level", &savedLevel), TIXML_SUCCESS);
    EXPECT_EQ(player->QueryIntAttribute("stage", &savedStage), TIXML_SUCCESS);
    EXPECT_EQ(player->QueryIntAttribute("score", &savedScore), TIXML_SUCCESS);
    EXPECT_EQ(savedLevel, 2);
    EXPECT_EQ(savedStage, 1);
    EXPECT_EQ(savedScore, score);
}

TEST_F(ScriptedPlayerTest, TheIdleMenusDemoPlaysAMinuteAndLeavesTheProfileAsItWas)
{
    PastTheSplashToTheMenu();
    ASSERT_EQ(TopLayer(), "MainMenu");
    ASSERT_TRUE(gameInfo.AddNewPlayer("Nora"));
    gameInfo.setViewHistory(true);
    ASSERT_TRUE(gameInfo.SaveGameState());
    const std::string before = SavedGameInfo();

    // Two idle minutes on the menu start the demo on one of the countries.
    // (Its clock runs in half-second steps, each a frame or two longer.)
    for (int frame = 0; frame < 135 * kFramesPerSecond && TopLayer() == "MainMenu"; frame += 10)
        Frames(10);
    Frames(kFadeFrames);
    const std::string stage = TopLayer();
    ASSERT_EQ(stage.rfind("StageLayer_", 0), 0u) << stage;
    auto* board = WidgetOf<GameField>(stage, "GameField");
    ASSERT_NE(board, nullptr);
    EXPECT_TRUE(board->_isDemo);
    EXPECT_TRUE(gameInfo.IsDemoMode());

    // A minute of play: the demo makes its moves by itself.
    Frames(10 * kFramesPerSecond);
    const int earlyScore = board->_score;
    Picture("06_demo");
    Frames(50 * kFramesPerSecond);
    EXPECT_EQ(TopLayer(), stage);
    EXPECT_TRUE(board->_isDemo);
    EXPECT_GT(board->_score, earlyScore) << "the demo plays on";

    // The player's press brings the menu back; the profile is as it was.
    Click(400, 300);
    Frames(kFadeFrames);
    EXPECT_EQ(TopLayer(), "MainMenu");
    EXPECT_FALSE(board->_isDemo);
    EXPECT_EQ(gameInfo.getName(), "Nora");
    ExpectACleanLog("log_demo.htm");
    EXPECT_EQ(SavedGameInfo(), before) << "the demo changed the saved profile";
}
