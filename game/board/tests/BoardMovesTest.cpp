// Lines of three and the possible moves: what breaks a run, what may trade
// places and the order in which the moves are listed.

#include "PlayFixture.h"

namespace {

class BoardMovesTest : public PlayTest {};

constexpr int H = PlayTest::kHole;

// One row of kinds: whether each cell is in a line of three.
struct RunCase {
    const char* name;
    std::vector<int> row;
    std::vector<bool> inLine;
};

class RunBreaks : public BoardMovesTest, public testing::WithParamInterface<RunCase> {};

TEST_P(RunBreaks, OnlyMatchableCellsOfOneColourInLevelCellsLineUp)
{
    const RunCase& c = GetParam();
    GameField& board = MakeLaidOutBoard({c.row});
    for (int x = 0; x < board._width; ++x)
        EXPECT_EQ(board.IsMatchAt(x, 0), c.inLine[static_cast<std::size_t>(x)]) << "cell " << x;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RunBreaks,
    testing::Values(RunCase{"Plain", {1, 1, 1, 2}, {true, true, true, false}},
                    RunCase{"CoversLineUpWithTheirColour", {0x11, 1, 0xA1, 0xB1, 0xC1, 0x21},
                            {true, true, true, true, true, true}},
                    RunCase{"Stone", {1, 1, 0x30, 1, 1}, {false, false, false, false, false}},
                    RunCase{"BonusSquare", {1, 1, 0x40, 1, 1}, {false, false, false, false, false}},
                    RunCase{"LifeBonus", {1, 1, 0x4C, 1, 1}, {false, false, false, false, false}},
                    RunCase{"ArtefactPiece", {1, 1, 0x50, 1, 1}, {false, false, false, false, false}},
                    RunCase{"LastArtefactPiece", {1, 1, 0x9F, 1, 1}, {false, false, false, false, false}},
                    RunCase{"Musor", {1, 1, 0xD0, 1, 1}, {false, false, false, false, false}},
                    RunCase{"Hole", {1, 1, H, 1, 1}, {false, false, false, false, false}}),
    [](const testing::TestParamInfo<RunCase>& info) { return std::string(info.param.name); });

TEST_F(BoardMovesTest, AHoleBreaksARunEvenUnderAKindOfTheSameColour)
{
    GameField& board = MakeLaidOutBoard({{2, 2, H, 2, 2}});
    // The hole holds the colour in the kind grid: the level grid still breaks.
    board._kinds[2][0] = 2;
    EXPECT_FALSE(board.IsMatchAt(1, 0));
    EXPECT_FALSE(board.IsMatchAt(3, 0));
    board._levelGrid.Set(2, 0, 1);
    EXPECT_TRUE(board.IsMatchAt(1, 0));
}

TEST_F(BoardMovesTest, FixedKindsAndMusorNeverTradePlaces)
{
    GameField& board = MakeLaidOutBoard({{0, 1}});
    const struct {
        int kind;
        bool swaps;
    } cases[] = {{0, true},     {0x0F, true},  {0x40, true},  {0x4C, true},  {0x50, true},  {0x9F, true},
                 {0x10, false}, {0x2F, false}, {0x30, false}, {0xA3, false}, {0xB0, false}, {0xCF, false},
                 {0xD0, false}};
    for (const auto& c : cases) {
        board._kinds[0][0] = c.kind;
        board._kinds[1][0] = 1;
        EXPECT_EQ(board.SwapCells(0, 0, 1, 0), c.swaps) << c.kind;
        EXPECT_EQ(board._kinds[1][0], c.swaps ? c.kind : 1) << c.kind;
    }
    board._kinds[0][0] = kNoSquare;
    EXPECT_FALSE(board.SwapCells(0, 0, 1, 0));
    EXPECT_FALSE(board.SwapCells(1, 0, 2, 0));
    EXPECT_FALSE(board.SwapCells(0, -1, 0, 0));
}

TEST_F(BoardMovesTest, ACoveredChipCompletesALineButIsNeverOfferedToMove)
{
    // Swapping the 0 above (2, 0) down completes 0 0x10 0 0; the locked chip
    // itself never trades places.
    GameField& board = MakeLaidOutBoard({
        {2, 0, 0, 3},
        {0, 0x10, 1, 0},
    });
    const std::list<MoveRecord> moves = board.FindMoves();
    ASSERT_FALSE(moves.empty());
    for (const MoveRecord& m : moves) {
        EXPECT_FALSE(m.x1 == 1 && m.y1 == 0) << m.x1 << "," << m.y1 << " " << m.x2 << "," << m.y2;
        EXPECT_FALSE(m.x2 == 1 && m.y2 == 0) << m.x1 << "," << m.y1 << " " << m.x2 << "," << m.y2;
    }
    const bool offered = std::any_of(moves.begin(), moves.end(), [](const MoveRecord& m) {
        return m.x1 == 2 && m.y1 == 0 && m.x2 == 2 && m.y2 == 1;
    });
    EXPECT_TRUE(offered);
}

std::vector<std::vector<int>> AsLists(const std::list<MoveRecord>& moves)
{
    std::vector<std::vector<int>> lists;
    for (const MoveRecord& m : moves)
        lists.push_back({m.x1, m.y1, m.x2, m.y2});
    return lists;
}

TEST_F(BoardMovesTest, OneRowAndOneColumnStillWork)
{
    GameField& row = MakeLaidOutBoard({{0, 0, 1, 0}}, "Row");
    EXPECT_EQ(AsLists(row.FindMoves()), (std::vector<std::vector<int>>{{2, 0, 3, 0}}));
    GameField& column = MakeLaidOutBoard({{0}, {1}, {0}, {0}}, "Column");
    EXPECT_EQ(AsLists(column.FindMoves()), (std::vector<std::vector<int>>{{0, 2, 0, 3}}));
}

TEST_F(BoardMovesTest, ADeadBoardHasNoMoveAndKeepsItsKinds)
{
    GameField& board = MakeLaidOutBoard({
        {0, 1, 2},
        {1, 2, 0},
        {2, 0, 1},
    });
    EXPECT_TRUE(board.FindMoves().empty());
    EXPECT_EQ(KindsOf(board), (Layout{{0, 1, 2}, {1, 2, 0}, {2, 0, 1}}));
    for (int x = 0; x < 3; ++x)
        for (int y = 0; y < 3; ++y)
            EXPECT_EQ(board._kinds[x][y], board.FindSquare(x, y)->kind);
}

TEST_F(BoardMovesTest, MovesRunColumnByColumnBottomUpRightBeforeUp)
{
    GameField& board = MakeLaidOutBoard({
        {1, 0, 0, 4},
        {0, 1, 3, 3},
        {1, 0, 0, 4},
    });
    // (0, 0) up makes 0 0 0 in the bottom row; (0, 1) right makes the 1s of
    // the first column, (0, 1) up the 0s of the top row.
    EXPECT_EQ(AsLists(board.FindMoves()), (std::vector<std::vector<int>>{{0, 0, 0, 1}, {0, 1, 1, 1}, {0, 1, 0, 2}}));
}

} // namespace
