// The random fill: no line of three, preset cells, a move on every board,
// the draw order, and levels whose colours cannot be filled.

#include "BoardFixture.h"

#include "game/board/Square.h"
#include "game/board/SquareKinds.h"

namespace {

class BoardFillTest : public BoardTest {
protected:
    GameField& Loaded(const std::vector<std::string>& rows, const Attributes& attributes = {})
    {
        WriteLevels({LevelXml("L", rows, attributes)});
        GameField& board = MakeBoard();
        board.LoadLevel("L");
        return board;
    }

    static bool AnyLine(GameField& board)
    {
        board.UpdateKindMap();
        for (int x = 0; x < board._width; ++x)
            for (int y = 0; y < board._height; ++y)
                if (board.IsMatchAt(x, y))
                    return true;
        return false;
    }
};

TEST_F(BoardFillTest, NoFillHoldsALineAndEveryFillHasAMove)
{
    GameField& board = Loaded(std::vector<std::string>(8, "11111111"), {{"chips", "012"}});
    for (std::uint32_t seed = 1; seed <= 150; ++seed) {
        FixClockSeed(seed);
        board.FillBoard();
        ASSERT_EQ(board._squares.size(), 64u) << seed;
        ASSERT_FALSE(AnyLine(board)) << seed;
        ASSERT_FALSE(board.FindMoves().empty()) << seed;
    }
}

TEST_F(BoardFillTest, PresetCellsKeepTheirKindAndCoversTakeALevelColour)
{
    GameField& board = Loaded({"*LA0", "-+IZ", "X111", "1111"}, {{"chips", "358"}, {"artefact_begin", "4"}});
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        FixClockSeed(seed);
        board.FillBoard();
        ASSERT_EQ(board._squares.size(), 15u) << seed; // one hole
        EXPECT_EQ(board.FindSquare(3, 3), nullptr);
        EXPECT_EQ(board.FindSquare(0, 3)->kind, kKindStone);
        EXPECT_EQ(board.FindSquare(1, 3)->kind, 0x40);
        EXPECT_EQ(board.FindSquare(2, 3)->kind, 0x54);
        const struct {
            int x, y, group;
        } covers[] = {{0, 2, 0x10}, {1, 2, 0x20}, {2, 2, 0xA0}, {3, 2, 0xB0}, {0, 1, 0xC0}};
        for (const auto& cover : covers) {
            const int kind = board.FindSquare(cover.x, cover.y)->kind;
            EXPECT_EQ(kind & 0xF0, cover.group) << seed;
            const int colour = kind & 0xF;
            EXPECT_TRUE(colour == 3 || colour == 5 || colour == 8) << seed << ": " << kind;
        }
        for (const auto& square : board._squares) {
            EXPECT_FLOAT_EQ(square->alpha, 255.0f);
            EXPECT_EQ(square->position.x, static_cast<float>(square->x * 40));
            EXPECT_EQ(square->position.y, static_cast<float>(square->y * 40));
        }
    }
}

TEST_F(BoardFillTest, ADeadBoardIsFilledAgain)
{
    // One row of four cells in two colours: six of the ten fills without a
    // line leave no move, so every board with a move here took refills.
    GameField& board = Loaded({"1111"}, {{"chips", "01"}});
    for (std::uint32_t seed = 1; seed <= 60; ++seed) {
        FixClockSeed(seed);
        board.FillBoard();
        ASSERT_FALSE(board.FindMoves().empty()) << seed;
        ASSERT_FALSE(AnyLine(board)) << seed;
    }
    EXPECT_EQ(LogText().find("no move after"), std::string::npos);
}

TEST_F(BoardFillTest, ABoardThatCanHaveNoMoveIsKeptAfterManyFillsWithALogLine)
{
    // Three cells in two colours: no swap can ever make a line.
    GameField& board = Loaded({"111"}, {{"chips", "01"}});
    board.FillBoard();
    EXPECT_EQ(board._squares.size(), 3u);
    EXPECT_FALSE(AnyLine(board));
    const std::string log = LogText();
    EXPECT_NE(log.find("Level &quot;L&quot;: no move after 100 fills"), std::string::npos) << log;
}

TEST_F(BoardFillTest, AOneColourLevelEndsWithItsLogLine)
{
    GameField& board = Loaded({"111", "111", "111"}, {{"chips", "4"}});
    board.FillBoard();
    EXPECT_EQ(board._squares.size(), 9u);
    for (const auto& square : board._squares)
        EXPECT_EQ(square->kind, 4);
    const std::string log = LogText();
    EXPECT_NE(log.find("Level &quot;L&quot;: its colours cannot avoid a line of three"), std::string::npos) << log;
}

TEST_F(BoardFillTest, ASeededFillDrawsColoursColumnByColumnThenEachSquaresPhaseAndRate)
{
    GameField& board = Loaded({"111", "111", "111"}, {{"chips", "012"}});
    FixClockSeed(1);
    board.FillBoard();
    // The draws 2 2 1 | 1 2 1 | 0 0 1, and the last cell again (a line of 1s
    // in the top row): 2.
    const int expected[3][3] = {{2, 2, 1}, {1, 2, 1}, {0, 0, 2}};
    ASSERT_EQ(board._squares.size(), 9u);
    auto square = board._squares.begin();
    for (int x = 0; x < 3; ++x) {
        for (int y = 0; y < 3; ++y, ++square) {
            EXPECT_EQ((*square)->x, x);
            EXPECT_EQ((*square)->y, y);
            EXPECT_EQ((*square)->kind, expected[x][y]) << x << ", " << y;
        }
    }
    // The eleventh and twelfth draws make the first square.
    EXPECT_FLOAT_EQ(board._squares.front()->phase, 0.705f);
    EXPECT_FLOAT_EQ(board._squares.front()->phaseRate, 0.745f);
    EXPECT_FLOAT_EQ(board._squares.back()->phase, 0.421f);
    EXPECT_FLOAT_EQ(board._squares.back()->phaseRate, 0.816f);
}

} // namespace
