// A level's start from "RunStart" on a fixed frame step, the drop-in, and
// stopping play with "Reset" and Restart.

#include "BoardFixture.h"

#include "game/board/RunStart.h"
#include "game/board/Square.h"
#include "game/board/SquareFall.h"
#include "game/board/SquareKinds.h"

namespace {

class BoardStartTest : public BoardTest {
protected:
    BoardStartTest()
    {
        // The first level holds one artefact piece, so that it is still in
        // progress once its board has settled. The second level has its
        // pieces in another order than the squares stand in: read top row
        // first they are 1 then 2, the squares run column by column from
        // the bottom.
        std::vector<std::string> firstLevel(6, "11111");
        firstLevel[0] = "11A11";
        WriteLevels({LevelXml("S1L1", firstLevel, {{"chips", "0123"}}),
                     LevelXml("S1L2", {"11A11", "11111", "A1111", "11111"}, {{"artefact_begin", "1"}})});
        WriteLevelMap({2});
        gameInfo.LoadLevelMap();
    }

    // The board's controllers but its observer and the ambient light wave
    // the observer starts, which runs out by itself.
    static int BoardControllers(const GameField& board)
    {
        int count = 0;
        const std::string prefix = board.name + "_";
        kernel.ForEachController([&](IController& c) {
            if (!c._finished && c._name.compare(0, prefix.size(), prefix) == 0 &&
                c._name != prefix + "GameFieldObserver" && c._name != prefix + "LevelContourLighting")
                ++count;
        });
        return count;
    }

    static void ExpectEmptyIdleBoard(const GameField& board)
    {
        EXPECT_TRUE(board._squares.empty());
        EXPECT_FALSE(board._isBlocked);
        EXPECT_FALSE(board._isActive);
        EXPECT_TRUE(board._canAcceptMouse);
        EXPECT_TRUE(board._matchEnabled);
        EXPECT_TRUE(board._fallEnabled);
        EXPECT_EQ(board._fallCount, 0);
        EXPECT_EQ(BoardControllers(board), 0);
    }
};

TEST_F(BoardStartTest, AfterRunStartEverySquareRestsInItsCellAndTheBoardIsFree)
{
    GameField& board = MakeBoard();
    board.AcceptMessage(Message("RunStart"));
    Frames(0.75f);
    EXPECT_FALSE(board.HasLevel()) << "nothing before the delay has run";
    Frames(0.1f);
    EXPECT_TRUE(board.HasLevel());
    EXPECT_EQ(board._squares.size(), 30u);
    EXPECT_TRUE(board._isBlocked);
    EXPECT_TRUE(ActivePlayer().levelNotComp);
    EXPECT_TRUE(board._isActive);
    EXPECT_FALSE(board._endLevelRunning);
    EXPECT_FLOAT_EQ(board._idleTime, 1000.0f); // the first level, its tip not yet shown
    for (const auto& square : board._squares)
        EXPECT_FLOAT_EQ(square->alpha, 0.0f);

    Frames(7.2f);
    for (const auto& square : board._squares) {
        EXPECT_FLOAT_EQ(square->position.x, static_cast<float>(square->x * 40));
        EXPECT_FLOAT_EQ(square->position.y, static_cast<float>(square->y * 40));
        EXPECT_FLOAT_EQ(square->alpha, 255.0f);
    }
    for (int x = 0; x < board._width; ++x)
        for (int y = 0; y < board._height; ++y)
            EXPECT_EQ(board._cellFade[x][y], 255) << x << ", " << y;
    EXPECT_FALSE(board._isBlocked);
    EXPECT_EQ(board._fallCount, 0);
    EXPECT_EQ(board._stage, 1);
    EXPECT_EQ(board._level, 1);
    // Its piece still on the board, the level goes on.
    EXPECT_FALSE(board._endLevelRunning);
    EXPECT_TRUE(board._canAcceptMouse);
    EXPECT_EQ(ActivePlayer().level, 1);
    EXPECT_LT(board._idleTime, 10.0f) << "the untaught first level's hint came once the board was free";
}

TEST_F(BoardStartTest, SquaresRainInStackedAboveTheirColumns)
{
    GameField& board = MakeBoard();
    board.LoadLevel("S1L1");
    board.FillBoard();
    board.DropInSquares(3.1f);
    kernel.FlushPending();
    for (const auto& square : board._squares) {
        EXPECT_FLOAT_EQ(square->position.x, static_cast<float>(square->x * 40));
        EXPECT_FLOAT_EQ(square->position.y, static_cast<float>((6 + square->y) * 40));
    }
    EXPECT_EQ(board._fallCount, 30);
    int falls = 0;
    kernel.ForEachController([&](IController& c) {
        if (auto* fall = dynamic_cast<SquareFall*>(&c)) {
            ++falls;
            EXPECT_TRUE(fall->_playKnock);
            EXPECT_GE(-fall->_t, 3.1f - 1.0e-4f);
            EXPECT_LE(-fall->_t, 4.1f + 0.02f * 5.0f + 1.0e-4f);
        }
    });
    EXPECT_EQ(falls, 30);
}

TEST_F(BoardStartTest, OneColumnFallsWithoutAWaveAcrossTheBoard)
{
    WriteLevels({LevelXml("Column", {"1", "1", "1"}, {{"chips", "012"}})});
    GameField& board = MakeBoard();
    board.LoadLevel("Column");
    board.FillBoard();
    board.DropInSquares(3.1f);
    std::vector<float> delays;
    kernel.ForEachController([&](IController& c) {
        if (auto* fall = dynamic_cast<SquareFall*>(&c))
            delays.push_back(-fall->_t);
    });
    ASSERT_EQ(delays.size(), 3u);
    // Pattern 2 (centre first) or 3 (edges first), both without a sine term.
    const float base = delays[0] < 3.5f ? 3.1f : 4.1f;
    for (int y = 0; y < 3; ++y)
        EXPECT_FLOAT_EQ(delays[y], base + 0.02f * static_cast<float>(y)) << y;
}

TEST_F(BoardStartTest, ResetDuringTheDropInLeavesAnEmptyIdleBoardAndQueuesThePiecesInSquareOrder)
{
    ActivePlayer().level = 2;
    GameField& board = MakeBoard();
    board.AcceptMessage(Message("RunStart"));
    Frames(2.0f);
    ASSERT_EQ(board._squares.size(), 20u);
    ASSERT_TRUE(board._isBlocked);
    EXPECT_EQ(board._artefactQueue, (std::vector<int>{0}));

    board.AcceptMessage(Message("Reset"));
    ExpectEmptyIdleBoard(board);
    // Piece 2 stands at (0, 1), before piece 1 at (2, 3).
    EXPECT_EQ(board._artefactQueue, (std::vector<int>{0, 2, 1}));
    EXPECT_FALSE(ActivePlayer().levelNotComp);
    EXPECT_TRUE(board._endLevelRunning);

    Frames(8.0f);
    ExpectEmptyIdleBoard(board);
    const std::string trace = board._traceLog.Lines().back();
    EXPECT_NE(trace.find("isBlocked=false in .\\GameField.cpp GameField::Reset Field"), std::string::npos) << trace;
}

TEST_F(BoardStartTest, ResetDuringTheStartDelayStartsNothing)
{
    GameField& board = MakeBoard();
    board.AcceptMessage(Message("RunStart"));
    Frames(0.5f);
    board.AcceptMessage(Message("Reset"));
    ExpectEmptyIdleBoard(board);
    Frames(8.0f);
    ExpectEmptyIdleBoard(board);
    EXPECT_FALSE(board.HasLevel());
    EXPECT_FALSE(ActivePlayer().levelNotComp);
}

TEST_F(BoardStartTest, ResetInTheFrameOfRunStartStartsNothing)
{
    GameField& board = MakeBoard();
    board.AcceptMessage(Message("RunStart")); // still waiting to be activated
    board.AcceptMessage(Message("Reset"));
    Frames(8.0f);
    ExpectEmptyIdleBoard(board);
    EXPECT_FALSE(board.HasLevel());
}

TEST_F(BoardStartTest, ARunStartThatRanItsTimeButWasStoppedTellsNothing)
{
    GameField& board = MakeBoard();
    auto* start = new RunStart(&board);
    board.AddController(start);
    kernel.FlushPending();
    kernel.Update(0.9f); // past its time, not yet asked
    board.StopControllerEverywhere("RunStart");
    kernel.Update(0.0f);
    EXPECT_FALSE(board.HasLevel());
}

TEST_F(BoardStartTest, RestartDuringTheFallEmptiesAndFreesTheBoard)
{
    GameField& board = MakeBoard();
    board.LoadLevel("S1L1");
    board.FillBoard();
    board.DropInSquares(0.0f);
    Frames(0.2f);
    board.FillBoard(); // squares under falls that are gone are let go
    board.DropInSquares(0.0f); // added in this frame, not yet running
    board._checkAfterFall = true;
    board.Restart();
    EXPECT_TRUE(board._squares.empty());
    EXPECT_FALSE(board._isBlocked);
    EXPECT_TRUE(board._matchEnabled);
    EXPECT_TRUE(board._fallEnabled);
    EXPECT_FALSE(board._checkAfterFall);
    Frames(2.0f);
    EXPECT_EQ(board._fallCount, 0);
    EXPECT_FALSE(board._isBlocked);
    EXPECT_EQ(BoardControllers(board), 0);
}

TEST_F(BoardStartTest, StartOfAnUnfinishedLevelDropsItsSquaresAgain)
{
    GameField& board = MakeBoard();
    board.AcceptMessage(Message("RunStart"));
    Frames(8.0f);
    std::vector<int> kinds;
    for (const auto& square : board._squares)
        kinds.push_back(square->kind);

    board.AcceptMessage(Message("Start")); // the level is still in progress
    EXPECT_TRUE(board._isBlocked);
    Frames(5.0f);
    std::vector<int> after;
    for (const auto& square : board._squares)
        after.push_back(square->kind);
    EXPECT_EQ(after, kinds);
    EXPECT_FALSE(board._isBlocked);
}

TEST_F(BoardStartTest, StartOfAnUnfinishedLevelOnAnEmptyBoardStartsItFresh)
{
    // The game was closed in the middle of a level: the profile says the
    // level is in progress, the new board holds no squares.
    ActivePlayer().levelNotComp = true;
    GameField& board = MakeBoard();
    board.AcceptMessage(Message("InitLevelView"));
    board.AcceptMessage(Message("Start"));
    EXPECT_EQ(board._squares.size(), 30u);
    Frames(8.0f);
    EXPECT_FALSE(board._isBlocked);
    EXPECT_EQ(board._cellFade[0][0], 255);
}

TEST_F(BoardStartTest, InitLevelViewReturnsTheBonusesUsedInTheLevelToTheStock)
{
    Player& player = ActivePlayer();
    player.stage = 1;
    player.level = 2;
    player.maxStage = 1;
    player.maxLevel = 2;
    player.bonusCount[1] = 2;
    LevelInfo info;
    info.usedBonus[1] = 3;
    info.takedBonus[0] = 1;
    gameInfo.SetLevelInfo(0, 0, LevelInfo()); // records are kept in play order
    gameInfo.SetLevelInfo(0, 1, info);
    GameField& board = MakeBoard();
    board.AcceptMessage(Message("InitLevelView"));
    EXPECT_EQ(board._bonusButtons[1].count, 5);
    EXPECT_EQ(player.bonusCount[1], 5);
    EXPECT_EQ(board._levelStartBonusCounts[1], 2);
    const LevelInfo stored = gameInfo.GetLevelInfo(0, 1);
    EXPECT_EQ(stored.usedBonus[1], 0);
    EXPECT_EQ(stored.takedBonus[0], 0); // the frontier level places all its bonus squares
    EXPECT_EQ(board._title, " -  2"); // no texts loaded: "Country1", " - ", "Stage", " ", 2
    EXPECT_TRUE(board.HasLevel());
    EXPECT_EQ(board._width, 5);
}

TEST_F(BoardStartTest, TheSunsChargeIsTheSavedProfilesWhenTheGameIsOpenedAgain)
{
    ASSERT_TRUE(gameInfo.AddNewPlayer("Ann"));
    struct Case {
        float saved;
        const char* attribute;
        bool complete;
    };
    for (const Case& c : {Case{0.299f, "sunEnergy=\"299\"", false}, Case{1.0f, "sunEnergy=\"1000\"", true},
                          Case{0.0f, "sunEnergy=\"0\"", false}}) {
        SCOPED_TRACE(c.saved);
        // Closed in the middle of a level with that charge...
        ActivePlayer().sunEnergy = c.saved;
        ActivePlayer().levelNotComp = true;
        ASSERT_TRUE(gameInfo.SaveGameState());
        // ... and opened again: a new board starts the level.
        ActivePlayer().sunEnergy = 0.5f;
        ASSERT_TRUE(gameInfo.LoadGameState());
        GameField& board = MakeBoard("Field" + std::to_string(static_cast<int>(c.saved * 1000.0f)));
        board.AcceptMessage(Message("InitLevelView"));
        board.AcceptMessage(Message("Start"));
        EXPECT_NEAR(board._sunEnergy, c.saved, 0.001f);
        EXPECT_EQ(board._sunComplete, c.complete);
        EXPECT_NEAR(ActivePlayer().sunEnergy, c.saved, 0.001f);
        ASSERT_TRUE(gameInfo.SaveGameState());
        EXPECT_NE(testing_support::ReadTextFile(AppFile("GameInfo.xml")).find(c.attribute), std::string::npos);
        board.AcceptMessage(Message("Reset"));
    }
}

} // namespace
