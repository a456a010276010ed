// The fall and the refill: squares over gaps and under not-falling chips,
// chains owed to the player, trash squares by cycle, the colours of new
// squares, squares leaving at the bottom, the knock of landing chips and the
// timing of falls that land together.

#include "PlayFixture.h"

#include "engine/util/Random.h"
#include "game/board/SquareFall.h"
#include "game/state/GameInfo.h"

#include <cmath>

namespace {

constexpr int H = PlayTest::kHole;
constexpr int E = PlayTest::kEmpty;

class BoardFallTest : public PlayTest {
protected:
    static Layout Empty(int width, int height)
    {
        return Layout(static_cast<std::size_t>(height), std::vector<int>(static_cast<std::size_t>(width), E));
    }
    // The planned kinds in the order the refill draws them: column by
    // column, bottom to top.
    static std::vector<int> PlannedInDrawOrder(const GameField& board)
    {
        std::vector<int> kinds;
        for (int x = 0; x < board._width; ++x)
            for (int y = 0; y < board._height; ++y)
                kinds.push_back(board._plannedKinds[x][y]);
        return kinds;
    }

    SampleRecorder _samples;
};

TEST_F(BoardFallTest, NothingToFallChecksAtOnce)
{
    GameField& board = MakeLaidOutBoard({{0, 1}, {2, 3}});
    board.RunFalling(-80.0f, 0.02f, 0.02f);
    EXPECT_FALSE(board._isBlocked);
    const std::vector<std::string> lines(board._traceLog.Lines().begin(), board._traceLog.Lines().end());
    ASSERT_GE(lines.size(), 2u);
    EXPECT_NE(lines[lines.size() - 2].find("Point 2"), std::string::npos);
}

TEST_F(BoardFallTest, NewSquaresWaitingAboveTheBoardStayOutOfTheKindGrid)
{
    // One column of the largest height: its new squares wait in rows 20 to
    // 39, which the kind grid does not have.
    GameField& board = MakeLaidOutBoard(Empty(1, LevelGrid::kSide));
    board.RunFalling(-80.0f, 0.02f, 0.02f);
    ASSERT_EQ(board._squares.size(), static_cast<std::size_t>(LevelGrid::kSide));
    EXPECT_EQ(board._squares.back()->y, 2 * LevelGrid::kSide - 1);
    board.UpdateKindMap();
    for (int x = 0; x < LevelGrid::kSide; ++x)
        for (int y = 0; y < LevelGrid::kSide; ++y)
            EXPECT_EQ(board._kinds[x][y], kNoSquare) << x << "," << y;
    ASSERT_TRUE(RunUntilFree(board));
    EXPECT_TRUE(IsSettledAndFull(board));
}

TEST_F(BoardFallTest, SquaresFallOverAHoleWhichStaysEmpty)
{
    GameField& board = MakeLaidOutBoard({{1}, {2}, {H}, {E}});
    Square* two = board.FindSquare(0, 2);
    Square* one = board.FindSquare(0, 3);
    board.RunFalling(-80.0f, 0.02f, 0.02f);
    EXPECT_NE(board._traceLog.Lines().back().find("Point 1"), std::string::npos);
    ASSERT_TRUE(RunUntilFree(board));
    EXPECT_EQ(board.FindSquare(0, 0), two);
    EXPECT_EQ(board.FindSquare(0, 1), nullptr);
    EXPECT_EQ(board.FindSquare(0, 2), one);
    EXPECT_NE(board.FindSquare(0, 3), nullptr);
    EXPECT_FLOAT_EQ(two->position.y, 0.0f);
    EXPECT_FLOAT_EQ(board.FindSquare(0, 3)->alpha, 255.0f);
    EXPECT_TRUE(IsSettledAndFull(board));
}

TEST_F(BoardFallTest, ANotFallingChipStaysAndHoldsTheSquaresAbove)
{
    GameField& board = MakeLaidOutBoard({{1}, {E}, {2}, {0xB3}, {E}});
    Square* locked = board.FindSquare(0, 1);
    Square* two = board.FindSquare(0, 2);
    Square* one = board.FindSquare(0, 4);
    board.RunFalling(-80.0f, 0.02f, 0.02f);
    ASSERT_TRUE(RunUntilFree(board));
    EXPECT_EQ(board.FindSquare(0, 1), locked);
    EXPECT_EQ(board.FindSquare(0, 2), two);
    EXPECT_EQ(board.FindSquare(0, 3), one);
    EXPECT_NE(board.FindSquare(0, 4), nullptr);
    EXPECT_EQ(board.FindSquare(0, 0), nullptr) << "nothing passes the not-falling chip";
}

TEST_F(BoardFallTest, FiveForcedRefillsCarryOneMoveToTheFifthPass)
{
    SeedRandom(5);
    WatchedField& board = MakeLaidOutBoard({
        {0, 1, 2, 3, 4}, {1, 2, 3, 4, 0}, {2, 3, 4, 0, 1}, {3, 4, 0, 1, 2}, {0, 0, 1, 2, 3},
    });
    board._forcedRefills = 5;
    board._levelStartMaxStage = 2;
    const std::list<MoveRecord> moves = board.FindMoves();
    ASSERT_FALSE(moves.empty());
    const MoveRecord move = moves.front();
    board._isPlayerMove = true;
    board.RunSwap(board.FindSquare(move.x1, move.y1), board.FindSquare(move.x2, move.y2));
    ASSERT_TRUE(RunUntilFree(board, 60.0f));
    EXPECT_EQ(board._forcedRefills, 0);
    EXPECT_EQ(board.Calls("ComboText #Chain1Tex").size(), 1u);
    EXPECT_EQ(_samples.Count("Chain1"), 1);
    EXPECT_TRUE(IsSettledAndFull(board));
}

// Trash squares need the game-play numbers: 3 on the board, 1 more a cycle,
// at most 4.
class TrashTest : public BoardFallTest {
protected:
    TrashTest() { UseTrashNumbers(3, 1, 4); }
    ~TrashTest() override { UseTrashNumbers(0, 0, 0); }

    void UseTrashNumbers(int board, int perCycle, int most)
    {
        WriteGameFile("GameplayConst.xml", "<GameplayConst><LifeBonusScores scores=\"50000\" />"
                                           "<MaxTrashOnField count=\"" + std::to_string(board) + "\" />"
                                           "<AddMaxTrashOnCycle count=\"" + std::to_string(perCycle) + "\" />"
                                           "<AbsoluteMaxTrashOnField count=\"" + std::to_string(most) + "\" />"
                                           "</GameplayConst>");
        gameInfo.LoadGameState();
    }
};

TEST_F(TrashTest, NoMusorInTheFirstCycleLaterOneAnAttemptWithinTheAllowance)
{
    const struct {
        int cycle;
        int onBoard;
        int planned; // musor on the planned board
    } cases[] = {{1, 0, 0}, {2, 0, 1}, {3, 2, 3}, {3, 3, 4}, {9, 4, 4}};
    for (const auto& c : cases) {
        ActivePlayer().cycle = c.cycle;
        Layout layout = Empty(6, 6);
        for (int i = 0; i < c.onBoard; ++i)
            layout[5][static_cast<std::size_t>(i)] = 0xD0;
        GameField& board = MakeLaidOutBoard(layout, "Cycle" + std::to_string(c.cycle) + "_" + std::to_string(c.onBoard));
        board._musorStep = 1; // every new square would be musor
        board._qMusor = 7;
        board.PlanRefill(false);
        const std::vector<int> planned = PlannedInDrawOrder(board);
        EXPECT_EQ(std::count(planned.begin(), planned.end(), 0xD0), c.planned) << c.cycle << " " << c.onBoard;
        EXPECT_EQ(board._musorStep, c.planned > c.onBoard ? 7 : 1) << c.cycle << " " << c.onBoard;
    }
}

TEST_F(BoardFallTest, NoTwoNewSquaresRunningTakeTheSameColour)
{
    SeedRandom(21);
    GameField& board = MakeLaidOutBoard(Empty(8, 8));
    std::vector<int> drawn;
    for (int refill = 0; refill < 3; ++refill) {
        board.PlanRefill(false);
        const std::vector<int> planned = PlannedInDrawOrder(board);
        drawn.insert(drawn.end(), planned.begin(), planned.end());
        EXPECT_EQ(board._lastColourIndex, planned.back());
    }
    for (std::size_t i = 1; i < drawn.size(); ++i)
        EXPECT_NE(drawn[i], drawn[i - 1]) << i;
}

TEST_F(BoardFallTest, AOneColourRefillEnds)
{
    GameField& board = MakeLaidOutBoard(Empty(3, 3));
    board._chipCount = 1;
    board._chips[0] = 2;
    board.PlanRefill(false);
    board.PlanRefill(true);
    for (int kind : PlannedInDrawOrder(board))
        EXPECT_EQ(kind, 2);
}

TEST_F(BoardFallTest, TheHelpModeDealsItsListInOrderOrTheNormalDrawWithoutOne)
{
    GameField& listed = MakeLaidOutBoard(Empty(1, 3), "Listed");
    listed._isHelpMode = true;
    listed._helpRandoms = {4, 0x40};
    listed.RunFalling(-80.0f, 0.02f, 0.02f);
    EXPECT_EQ(KindsOf(listed), (Layout{{E}, {E}, {E}})) << "the new squares wait above the board";
    std::vector<int> kinds;
    for (const std::unique_ptr<Square>& square : listed._squares)
        kinds.push_back(square->kind);
    EXPECT_EQ(kinds, (std::vector<int>{4, 0x40, 4}));

    GameField& unlisted = MakeLaidOutBoard(Empty(1, 3), "Unlisted");
    unlisted._isHelpMode = true;
    unlisted.RunFalling(-80.0f, 0.02f, 0.02f);
    ASSERT_EQ(unlisted._squares.size(), 3u);
    for (const std::unique_ptr<Square>& square : unlisted._squares)
        EXPECT_TRUE(square->kind >= 0 && square->kind < 5) << square->kind;
}

TEST_F(BoardFallTest, ABonusLandingInTheBottomCellLeavesAndTheBoardFallsAgain)
{
    WatchedField& board = MakeLaidOutBoard({{0x40, 1}, {E, 2}});
    board._bonusButtons[0].count = 0;
    board.RunFalling(-80.0f, 0.02f, 0.02f);
    ASSERT_TRUE(RunUntilFree(board));
    EXPECT_TRUE(IsSettledAndFull(board));
    for (const std::unique_ptr<Square>& square : board._squares)
        EXPECT_FALSE(IsBonusKind(square->kind));
    EXPECT_EQ(_samples.Count("FallenVisBonus"), 1);
    EXPECT_EQ(board._artInFly, 1) << "the bonus is flying to its button";

    Frames(3.0f);
    EXPECT_EQ(board._artInFly, 0);
    EXPECT_EQ(board._bonusButtons[0].count, 1);
    EXPECT_EQ(ActivePlayer().bonusCount[0], 1);
    // The bonus gone, the board's observer ran the dead-board check once.
    EXPECT_FALSE(board._checkMovesPending);
    EXPECT_EQ(board.Calls("CheckNoMoves").size(), 1u);
}

TEST_F(BoardFallTest, TheKnockSoundsAtMostOnceEveryPointSixSeconds)
{
    Layout layout = Empty(6, 6);
    layout[0] = {0, 1, 2, 3, 4, 0};
    layout[1] = {1, 2, 3, 4, 0, 1};
    GameField& board = MakeLaidOutBoard(layout);
    Frames(0.7f);
    board.RunFalling(-80.0f, 0.3f, 0.3f);
    std::vector<float> knocks;
    float now = 0.0f;
    int heard = 0;
    while (now < 20.0f && (board._isBlocked || board._fallCount > 0)) {
        Frames(kFrameStep);
        now += kFrameStep;
        if (_samples.Count("ChipKnock") > heard) {
            heard = _samples.Count("ChipKnock");
            knocks.push_back(now);
        }
    }
    EXPECT_EQ(heard, static_cast<int>(knocks.size())) << "one knock a frame at most";
    ASSERT_GE(knocks.size(), 2u);
    for (std::size_t i = 1; i < knocks.size(); ++i)
        EXPECT_GE(knocks[i] - knocks[i - 1], 0.6f - 0.001f) << i;
}

TEST_F(BoardFallTest, AFallWithNoHeightAndNoSpeedLandsAtOnce)
{
    GameField& board = MakeLaidOutBoard({{0}});
    Square* square = board.FindSquare(0, 0);
    const Vector3 place(0.0f, 0.0f, 0.0f);
    auto* fall = new SquareFall(square, 0, 0, place, place, &board, 255.0f, 255.0f, 0.0f, 0.0f, false);
    EXPECT_TRUE(std::isfinite(fall->_landing));
    board.AddController(fall);
    Frames(2 * kFrameStep);
    EXPECT_EQ(board._fallCount, 0);
    EXPECT_FLOAT_EQ(square->position.y, 0.0f);
    EXPECT_FALSE(board._isBlocked);
}

TEST_F(BoardFallTest, FallsThatCannotLandWithTheLongestKeepTheirTiming)
{
    // After the fall the column holds 1 1 1: the falls are timed to land
    // together, but those still waiting then keep their own timing.
    GameField& board = MakeLaidOutBoard({{1}, {1}, {E}, {1}});
    board.RunFalling(-80.0f, 5.0f, 5.0f);
    const std::vector<SquareFall*> falls = Controllers<SquareFall>(board, "SquareFall");
    ASSERT_EQ(falls.size(), 3u);
    for (const SquareFall* fall : falls) {
        EXPECT_TRUE(fall->_handOver);
        EXPECT_TRUE(std::isfinite(fall->_rate));
        EXPECT_TRUE(std::isfinite(fall->_speed));
        if (fall->_t <= -5.0f) {
            EXPECT_FLOAT_EQ(fall->_speed, 80.0f);
            EXPECT_FALSE(fall->_halveBounce);
        }
    }
    ASSERT_TRUE(RunUntilFree(board, 40.0f));
    EXPECT_TRUE(IsSettledAndFull(board));
}

} // namespace
