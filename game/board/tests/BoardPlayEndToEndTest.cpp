// Moves on the board in the real program's library: a layer file holds a
// "GameField", its script sends "RunStart", frames run on a fixed time step,
// and the mouse reaches the board through the window system's event queue.

#include "BoardSession.h"

#include "game/board/GameField.h"
#include "game/board/Square.h"
#include "game/board/SquareKinds.h"

#include "engine/platform/Application.h"
#include "engine/platform/MainWindow.h"
#include "engine/render/tests/ImageFixtures.h"
#include "engine/util/Random.h"
#include "gui/GUIManager.h"
#include "gui/Layer.h"
#include "gui/ScreenImpl.h"
#include "BoardScreenFolder.h"
#include "tests/support/EndToEndGame.h"
#include "tests/support/SdlEvents.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <set>

using namespace testing_support;

namespace {

// The kinds of the board's cells, column by column (-1 for an empty cell).
std::vector<int> KindsOf(GameField& board)
{
    board.UpdateKindMap();
    std::vector<int> kinds;
    for (int x = 0; x < board._width; ++x)
        for (int y = 0; y < board._height; ++y)
            kinds.push_back(board._kinds[x][y]);
    return kinds;
}

// Every level cell holds exactly one square.
bool IsFull(const GameField& board)
{
    for (int x = 0; x < board._width; ++x) {
        for (int y = 0; y < board._height; ++y) {
            const auto count = std::count_if(board._squares.begin(), board._squares.end(),
                                             [x, y](const std::unique_ptr<Square>& s) { return s->x == x && s->y == y; });
            if (count != (board._levelGrid.IsCell(x, y) ? 1 : 0))
                return false;
        }
    }
    return true;
}

// The squares that the move would line up, as they stand before it.
std::set<const Square*> RunOf(GameField& board, const MoveRecord& move)
{
    board.UpdateKindMap();
    std::set<const Square*> run;
    if (!board.SwapCells(move.x1, move.y1, move.x2, move.y2))
        return run;
    for (int x = 0; x < board._width; ++x) {
        for (int y = 0; y < board._height; ++y) {
            if (!board.IsMatchAt(x, y))
                continue;
            // The two swapped cells hold each other's squares.
            int fromX = x;
            int fromY = y;
            if (x == move.x1 && y == move.y1) {
                fromX = move.x2;
                fromY = move.y2;
            } else if (x == move.x2 && y == move.y2) {
                fromX = move.x1;
                fromY = move.y1;
            }
            run.insert(board.FindSquare(fromX, fromY));
        }
    }
    board.SwapCells(move.x1, move.y1, move.x2, move.y2);
    return run;
}

bool AnyOnBoard(const GameField& board, const std::set<const Square*>& squares)
{
    return std::any_of(board._squares.begin(), board._squares.end(),
                       [&squares](const std::unique_ptr<Square>& s) { return squares.count(s.get()) != 0; });
}

TEST(BoardPlayEndToEnd, MovesPlayedWithClicksAndADragClearTheirRunsAndAFruitlessSwapComesBack)
{
    FixedSeed seed(16);
    EndToEndGame game("Board");
    PrepareBoardGame(game);
    ASSERT_TRUE(game.Start());
    BoardSession session(game);
    ASSERT_TRUE(session.Begin());
    GameField& board = *session.board;
    session.Frames(8 * 60);
    ASSERT_TRUE(board.HasLevel());
    ASSERT_TRUE(session.Settle());
    ASSERT_TRUE(IsFull(board));

    // A move from the list, with two clicks; then one with a drag.
    for (const bool drag : {false, true}) {
        const std::list<MoveRecord> moves = board.FindMoves();
        ASSERT_FALSE(moves.empty());
        const MoveRecord move = moves.front();
        const std::set<const Square*> run = RunOf(board, move);
        ASSERT_GE(run.size(), 3u);
        const int score = board._score;
        const Point first = BoardSession::CellCentre(board, move.x1, move.y1);
        const Point second = BoardSession::CellCentre(board, move.x2, move.y2);
        if (drag) {
            session.Drag(first, second);
        } else {
            session.Click(first);
            session.Click(second);
        }
        EXPECT_TRUE(board._isBlocked) << (drag ? "drag" : "clicks") << ": the swap runs";
        ASSERT_TRUE(session.Settle()) << (drag ? "drag" : "clicks");
        EXPECT_FALSE(AnyOnBoard(board, run)) << (drag ? "drag" : "clicks") << ": the run is gone";
        EXPECT_GT(board._score, score) << (drag ? "drag" : "clicks");
        EXPECT_TRUE(IsFull(board)) << (drag ? "drag" : "clicks");
        EXPECT_FALSE(board._isBlocked);
        EXPECT_FALSE(board.CheckMatch3(true, false, false)) << "no line is left standing";
    }

    // Two plain neighbours whose swap makes no line trade places and back.
    const std::list<MoveRecord> moves = board.FindMoves();
    board.UpdateKindMap();
    MoveRecord fruitless{-1, -1, -1, -1};
    for (int x = 0; x + 1 < board._width && fruitless.x1 < 0; ++x) {
        for (int y = 0; y < board._height && fruitless.x1 < 0; ++y) {
            const bool offered = std::any_of(moves.begin(), moves.end(), [x, y](const MoveRecord& m) {
                return m.x1 == x && m.y1 == y && m.x2 == x + 1 && m.y2 == y;
            });
            if (!offered && board._kinds[x][y] >= 0 && board._kinds[x][y] < 16 && board._kinds[x + 1][y] >= 0 &&
                board._kinds[x + 1][y] < 16 && board._kinds[x][y] != board._kinds[x + 1][y])
                fruitless = MoveRecord{x, y, x + 1, y};
        }
    }
    ASSERT_GE(fruitless.x1, 0);
    const std::vector<int> before = KindsOf(board);
    const int score = board._score;
    session.Click(BoardSession::CellCentre(board, fruitless.x1, fruitless.y1));
    session.Click(BoardSession::CellCentre(board, fruitless.x2, fruitless.y2));
    EXPECT_TRUE(board._isBlocked);
    ASSERT_TRUE(session.Settle());
    EXPECT_EQ(KindsOf(board), before);
    EXPECT_EQ(board._score, score);
    EXPECT_FALSE(board._isBlocked);

    EXPECT_TRUE(std::any_of(board._squares.begin(), board._squares.end(),
                            [](const std::unique_ptr<Square>& s) { return IsArtefactKind(s->kind); }))
        << "the pieces are still on the board: the level went on all along";
    const std::string log = ReadTextFile(game.File("log.htm"));
    EXPECT_EQ(log.find("Color = Red"), std::string::npos) << log;
}

} // namespace
