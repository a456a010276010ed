// A level played in the game folder that the build assembles: a new profile
// sets sail from the map, the stage's screen comes up with its backdrop,
// sun, panel and frame, the chips rain in, a move found on the board is
// played with the mouse, and the "Menu" button asks before leaving; No goes
// back to the board, Yes leads to the menu. Pictures of the board before and
// after the move and of the question are saved beside the test's output
// (board_screens/), with the run's log.htm.

#include "game/board/GameField.h"
#include "game/board/Square.h"
#include "game/state/GameInfo.h"
#include "gui/GUIManager.h"
#include "gui/Layer.h"
#include "tests/e2e/GameFolderTest.h"

#include <gtest/gtest.h>

#include <string>

using namespace testing_support;

namespace {

Widget* LayerWidget(const char* layer, const char* widget)
{
    Layer* found = GUI.getLayer(layer);
    return found ? found->getWidget(widget) : nullptr;
}

class BoardScreenTest : public GameFolderTest {
protected:
    BoardScreenTest() : GameFolderTest("board_screens") {}

    // A cell's centre on the screen, y counted from the top.
    static Point CellOnScreen(const GameField& board, int x, int y)
    {
        return Point(board._originX + 40 * x + 20, 600 - (board._originY + 40 * y + 20));
    }

    // A button's middle, y counted from the top.
    static Point Middle(const Widget& widget)
    {
        return Point(widget.rect.x + widget.rect.w / 2, 600 - (widget.rect.y + widget.rect.h / 2));
    }
};

} // namespace

TEST_F(BoardScreenTest, ANewProfileSailsToItsFirstLevelPlaysAMoveAndAsksBeforeLeaving)
{
    Frames(30);
    Click(400, 300);
    Frames(kFadeFrames);
    Key(SDLK_SPACE);
    Frames(kFadeFrames);
    ASSERT_EQ(TopLayer(), "MainMenu");
    ASSERT_TRUE(gameInfo.AddNewPlayer("Dido"));
    gameInfo.setViewHistory(true);

    // Play: the map; setting sail leads to the first stage's screen.
    Click(620, 260);
    Frames(kFadeFrames);
    ASSERT_EQ(TopLayer(), "Map");
    Click(690, 506);
    Frames(kFadeFrames);
    ASSERT_EQ(TopLayer(), "StageLayer_1");
    auto* board = dynamic_cast<GameField*>(LayerWidget("StageLayer_1", "GameField"));
    ASSERT_NE(board, nullptr);
    // The chips rain in and settle.
    Frames(6 * kFramesPerSecond);
    ASSERT_TRUE(board->HasLevel());
    EXPECT_FALSE(board->_framePieces.empty());
    EXPECT_EQ(board->_squares.size(), static_cast<std::size_t>(board->_width * board->_height));
    EXPECT_FALSE(board->_isBlocked);
    EXPECT_TRUE(board->_isActive);
    Picture("01_board_before_the_move");
    // A tip that the level's squares opened is closed as a player would: a
    // press beside the box once it has come in.
    if (board->_isShowMessage) {
        Frames(2 * kFramesPerSecond);
        Click(20, 20);
        Frames(kFramesPerSecond);
    }
    ASSERT_FALSE(board->_isShowMessage);

    // A move the board offers, played with two clicks.
    const std::list<MoveRecord> moves = board->FindMoves();
    ASSERT_FALSE(moves.empty());
    const MoveRecord move = moves.front();
    const Square* first = board->FindSquare(move.x1, move.y1);
    ASSERT_NE(first, nullptr);
    const Point a = CellOnScreen(*board, move.x1, move.y1);
    const Point b = CellOnScreen(*board, move.x2, move.y2);
    Click(a.x, a.y);
    Click(b.x, b.y);
    Frames(4 * kFramesPerSecond);
    EXPECT_GT(board->_score, 0) << "the move made a line";
    EXPECT_FALSE(board->_isBlocked);
    Picture("02_board_after_the_move");

    // "Menu" asks first; No goes back to the board.
    const Widget* menu = LayerWidget("StageLayer_1", "Menu");
    ASSERT_NE(menu, nullptr);
    EXPECT_GE(menu->rect.x, 701);
    EXPECT_GE(menu->rect.y, 561);
    Click(Middle(*menu).x, Middle(*menu).y);
    const std::string question = TopLayer();
    ASSERT_TRUE(question == "ExitGame" || question == "ExitGameNoLostLife") << question;
    Frames(10);
    Picture("03_exit_confirmation");
    const Widget* no = LayerWidget(question.c_str(), "No");
    ASSERT_NE(no, nullptr);
    Click(Middle(*no).x, Middle(*no).y);
    EXPECT_EQ(TopLayer(), "StageLayer_1");

    // Escape asks again; Yes leads to the menu.
    Key(SDLK_ESCAPE);
    Frames(2);
    ASSERT_EQ(TopLayer(), question);
    const Widget* yes = LayerWidget(question.c_str(), "Yes");
    ASSERT_NE(yes, nullptr);
    const int lives = gameInfo.getLives();
    Click(Middle(*yes).x, Middle(*yes).y);
    Frames(kFadeFrames);
    EXPECT_EQ(TopLayer(), "MainMenu");
    EXPECT_GE(gameInfo.getLives(), 1);
    EXPECT_LE(gameInfo.getLives(), lives);

    Shutdown();
    const std::string log = LogText();
    WriteTextFile(_shots + "/log.htm", log);
    EXPECT_EQ(log.find("Color = Red"), std::string::npos) << "the run's log has error lines";
}
