// The board's trace, "WriteDebugInfo" and the state file.

#include "BoardFixture.h"

#include "engine/platform/HtmlLog.h"
#include "game/board/Square.h"
#include "game/board/TraceLog.h"

#include <sstream>

namespace {

std::vector<std::string> SplitAtCarriageReturns(const std::string& text)
{
    std::vector<std::string> lines;
    std::string line;
    for (char c : text) {
        if (c == '\r') {
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    EXPECT_TRUE(line.empty()) << "every line ends with a carriage return";
    return lines;
}

TEST(TraceLog, TheStampHasTwoDigitsButForTheYear)
{
    std::tm when{};
    when.tm_year = 2026 - 1900;
    when.tm_mon = 11;
    when.tm_mday = 9;
    when.tm_hour = 8;
    when.tm_min = 5;
    when.tm_sec = 7;
    EXPECT_EQ(FormatTraceStamp(when), "<09.12.2026 - 08:05:07> ");
    TraceLog trace;
    trace.WriteAt(when, "text");
    EXPECT_EQ(trace.Lines().front(), "<09.12.2026 - 08:05:07> text");
}

TEST(TraceLog, The1001stEventDropsTheFirst)
{
    testing_support::TempDir dir;
    TraceLog trace;
    for (int i = 1; i <= 1001; ++i)
        trace.Write("event " + std::to_string(i));
    ASSERT_EQ(trace.Lines().size(), 1000u);
    ASSERT_TRUE(trace.SaveTo(dir.File("log2.txt")));
    const std::vector<std::string> lines = SplitAtCarriageReturns(testing_support::ReadTextFile(dir.File("log2.txt")));
    ASSERT_EQ(lines.size(), 1000u);
    EXPECT_NE(lines.front().find("> event 2"), std::string::npos) << lines.front();
    EXPECT_NE(lines.back().find("> event 1001"), std::string::npos) << lines.back();
}

class BoardDiagnosticsTest : public BoardTest {};

TEST_F(BoardDiagnosticsTest, TheBoardTracesItsMouseAndBlockingChanges)
{
    GameField& board = MakeBoard("Field");
    ASSERT_EQ(board._traceLog.Lines().size(), 1u);
    EXPECT_NE(board._traceLog.Lines().front().find("> _canAcceptMouse = 1 in .\\GameField.cpp GameField::GameField Field"),
              std::string::npos);
    board.SetBlocked(true, "GameField::RunSwap");
    EXPECT_TRUE(board._isBlocked);
    EXPECT_NE(board._traceLog.Lines().back().find("> isBlocked=true in .\\GameField.cpp GameField::RunSwap Field"),
              std::string::npos);
    board.SetCanAcceptMouse(false, "_canAcceptMouse2 = ", "GameField::CheckCompleteLevel");
    EXPECT_NE(board._traceLog.Lines().back().find(
                  "> _canAcceptMouse2 = 0 in .\\GameField.cpp GameField::CheckCompleteLevel Field"),
              std::string::npos);
}

TEST_F(BoardDiagnosticsTest, WriteDebugInfoLogsTheFlagsAndRewritesLog2BesideTheLog)
{
    GameField& board = MakeBoard("Field");
    board._stage = 3;
    board._level = 4;
    board._artInFly = 2;
    board._isBlocked = true;
    Frames(kFrameStep);
    board.AcceptMessage(Message("WriteDebugInfo"));
    const std::string log = LogText();
    for (const char* line : {"------------------- FLAGS --------------------", "_isBlocked = 1", "_canAcceptMouse = 1",
                             "_stopTime = 0", "_isActive = 0", "_artInFly = 2", "_isShowMessage = 0",
                             "EndLevelManager = 0", "Stage = 3", "Level = 4", "_squares.size() = 0",
                             "List of actual controllers:", "Field_GameFieldObserver"})
        EXPECT_NE(log.find(line), std::string::npos) << line;

    const std::string path = LogDir() + "/log2.txt";
    const std::vector<std::string> first = SplitAtCarriageReturns(testing_support::ReadTextFile(path));
    ASSERT_EQ(first.size(), 15u); // the constructor's line, 13 flag lines, an empty line
    EXPECT_NE(first[1].find("> ------------------- FLAGS"), std::string::npos);
    EXPECT_NE(first[13].find("> "), std::string::npos);

    board.AcceptMessage(Message("WriteDebugInfo"));
    const std::string second = testing_support::ReadTextFile(path);
    EXPECT_EQ(SplitAtCarriageReturns(second).size(), 29u); // written afresh, both blocks
    EXPECT_EQ(Count(second, "FLAGS"), 2);
}

TEST_F(BoardDiagnosticsTest, WithoutALogTheTraceGoesToTheApplicationDataFolder)
{
    const std::string logPath = g_log.Path();
    g_log.Close();
    EXPECT_EQ(GameField::DebugTracePath(), g_appDataFolder + "/log2.txt");
    g_log.Open(logPath, false);
    EXPECT_EQ(GameField::DebugTracePath(), LogDir() + "/log2.txt");
}

TEST_F(BoardDiagnosticsTest, DumpStateWritesTheBoardFromACopyOfItsLevelCodes)
{
    WriteLevels({LevelXml("L", {"1*", "-L"}, {{"chips", "23"}, {"artefact_begin", "2"}})});
    GameField& board = MakeBoard();
    board.LoadLevel("L");
    board.FillBoard();
    // The lock has been opened into a plain chip, the stone broken away.
    Square* lock = board.FindSquare(0, 0);
    const int colour = lock->kind & 0xF;
    lock->kind = colour;
    board.DeleteSquare(board.FindSquare(1, 1));
    const LevelGrid before = board._levelGrid;

    board.DumpState("state.txt");
    std::istringstream in(testing_support::ReadTextFile(GameFile("state.txt")));
    std::vector<std::string> values;
    for (std::string line; std::getline(in, line);)
        values.push_back(line);
    const std::vector<std::string> head = {"2", "2", "0", "2", "100", "10", "0.05", "0.1", "0.2", "0", "2", "0", "1",
                                           "2", "3"};
    ASSERT_EQ(values.size(), head.size() + 4 + 16);
    EXPECT_EQ(std::vector<std::string>(values.begin(), values.begin() + head.size()), head);
    // Kinds, column by column from the bottom: the opened lock, the plain
    // chip above it, the bonus, the empty cell.
    const std::size_t kinds = head.size();
    EXPECT_EQ(values[kinds], std::to_string(colour));
    EXPECT_EQ(values[kinds + 2], std::to_string(0x40));
    EXPECT_EQ(values[kinds + 3], "-1");
    // Codes with their border: column x = 0 is the third group of four.
    const std::size_t codes = kinds + 4;
    EXPECT_EQ(values[codes + 4 + 1], "1"); // (0, 0): the lock is gone
    EXPECT_EQ(values[codes + 8 + 1], std::to_string(0x40)); // (1, 0): the bonus square
    EXPECT_EQ(values[codes + 8 + 2], "1"); // (1, 1): the stone cell, now plain
    EXPECT_EQ(values[codes], "0");

    for (int x = -1; x <= LevelGrid::kSide; ++x)
        for (int y = -1; y <= LevelGrid::kSide; ++y)
            ASSERT_EQ(board._levelGrid.At(x, y), before.At(x, y)) << x << ", " << y;
}

} // namespace
