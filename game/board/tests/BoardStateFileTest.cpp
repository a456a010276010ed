// The help board's saved state: a board written by DumpState loads back as
// the same board; a bad file is refused whole and the board stays.

#include "PlayFixture.h"

#include "game/board/SquareFall.h"
#include "game/board/SquareLight.h"

#include <sstream>

namespace {

constexpr int E = PlayTest::kEmpty;

class BoardStateFileTest : public PlayTest {
protected:
    // A filled level: a lock, a stone, ice and a bonus square off the
    // bottom row, a hole in the top row.
    GameField& MakeFilledBoard(const std::string& name)
    {
        WriteLevels({LevelXml("L", {"01-1", "1*11", "1L1I", "1111"},
                              {{"chips", "0123"}, {"time", "90"}, {"sun_inc5", "0.25"}})});
        GameField& board = MakeBoard(name);
        board.LoadLevel("L");
        board.FillBoard();
        board._elapsed = 12.5f;
        return board;
    }

    std::vector<std::string> DumpedLines(GameField& board)
    {
        board.DumpState("state.txt");
        std::istringstream in(testing_support::ReadTextFile(GameFile("state.txt")));
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }
    void WriteLines(const std::vector<std::string>& lines)
    {
        std::string text;
        for (const std::string& line : lines)
            text += line + "\n";
        WriteGameFile("state.txt", text);
    }
};

TEST_F(BoardStateFileTest, ADumpedBoardLoadsBackAsTheSameBoard)
{
    GameField& board = MakeFilledBoard("Field");
    board._artefactQueue = {1, 4};
    board.DumpState("state.txt");

    GameField& loaded = MakeLaidOutBoard({{0, 1}}, "Loaded");
    loaded.LoadBoardState("state.txt");
    EXPECT_EQ(loaded._width, 4);
    EXPECT_EQ(loaded._height, 4);
    EXPECT_EQ(KindsOf(loaded), KindsOf(board));
    for (int x = -1; x <= 4; ++x)
        for (int y = -1; y <= 4; ++y)
            EXPECT_EQ(loaded._levelGrid.IsCell(x, y), board._levelGrid.IsCell(x, y)) << x << "," << y;
    EXPECT_EQ(loaded._levelGrid.At(2, 3), 0x10) << "a lock's cell keeps its code";
    EXPECT_EQ(loaded._chipCount, 4);
    EXPECT_EQ(std::vector<int>(loaded._chips, loaded._chips + 4), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_FLOAT_EQ(loaded._elapsed, 12.5f);
    EXPECT_FLOAT_EQ(loaded._levelTime, board._levelTime);
    EXPECT_FLOAT_EQ(loaded._sunInc[5], 0.25f);
    EXPECT_TRUE(loaded._helpRandoms.empty()) << "outside the help mode the list is read and left";
    for (const std::unique_ptr<Square>& square : loaded._squares)
        EXPECT_FLOAT_EQ(square->alpha, 255.0f);
    EXPECT_EQ(loaded._cellFade[3][3], 255);
    EXPECT_FALSE(loaded._isBlocked) << "nothing fell and no line: the board is free at once";

    GameField& help = MakeLaidOutBoard({{0, 1}}, "Help");
    help._isHelpMode = true;
    help.LoadBoardState("state.txt");
    EXPECT_EQ(help._helpRandoms, (std::vector<int>{1, 4}));
    EXPECT_EQ(KindsOf(help), KindsOf(board));
}

TEST_F(BoardStateFileTest, LoadingStopsTheControllersHoldingTheOldSquares)
{
    GameField& source = MakeFilledBoard("Source");
    source.DumpState("state.txt");

    GameField& board = MakeLaidOutBoard({{0, 1, 2}, {E, E, E}, {1, 2, 0}});
    board.RunFalling(-80.0f, 0.02f, 0.02f);
    board.AddController(new SquareLight(board.FindSquare(0, 0), 2.0f, &board));
    Frames(0.1f);
    ASSERT_FALSE(Controllers(board, "SquareFall").empty());
    board.LoadBoardState("state.txt");
    EXPECT_TRUE(Controllers(board, "SquareFall").empty());
    EXPECT_TRUE(Controllers(board, "SquareLight").empty());
    EXPECT_EQ(board._fallCount, 0);
    EXPECT_EQ(KindsOf(board), KindsOf(source));
    Frames(1.0f);
    EXPECT_EQ(KindsOf(board), KindsOf(source));
    EXPECT_FALSE(board._isBlocked);
}

// A change to the dumped lines of the 4 x 4 board: head 11 values, the list
// (2), 4 colours, 16 kinds, 36 cell codes.
struct BadFile {
    const char* name;
    void (*change)(std::vector<std::string>&);
};

class BadStateFile : public BoardStateFileTest, public testing::WithParamInterface<BadFile> {};

TEST_P(BadStateFile, IsRefusedWholeAndTheBoardStays)
{
    GameField& source = MakeFilledBoard("Source");
    source._artefactQueue = {1, 4};
    std::vector<std::string> lines = DumpedLines(source);
    ASSERT_EQ(lines.size(), 11u + 2u + 4u + 16u + 36u);
    GetParam().change(lines);
    WriteLines(lines);

    const Layout layout = {{0, 1, 2}, {2, 0, 1}};
    GameField& board = MakeLaidOutBoard(layout);
    const Square* first = board._squares.front().get();
    board.LoadBoardState("state.txt");
    EXPECT_EQ(KindsOf(board), layout);
    EXPECT_EQ(board._squares.front().get(), first);
    EXPECT_EQ(board._width, 3);
    EXPECT_EQ(board._chipCount, 5);
    EXPECT_FALSE(board._isBlocked);
    EXPECT_EQ(Count(LogText(), "is not loaded"), 1) << LogText();
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadStateFile,
    testing::Values(BadFile{"Truncated", [](std::vector<std::string>& l) { l.pop_back(); }},
                    BadFile{"Empty", [](std::vector<std::string>& l) { l.clear(); }},
                    BadFile{"TwentyOneColumns", [](std::vector<std::string>& l) { l[0] = "21"; }},
                    BadFile{"NoRows", [](std::vector<std::string>& l) { l[1] = "0"; }},
                    BadFile{"SeventeenColours", [](std::vector<std::string>& l) { l[3] = "17"; }},
                    BadFile{"ANegativeList", [](std::vector<std::string>& l) { l[10] = "-2"; }},
                    BadFile{"AHugeList", [](std::vector<std::string>& l) { l[10] = "2000000000"; }},
                    BadFile{"AColourOutOfRange", [](std::vector<std::string>& l) { l[13] = "16"; }},
                    BadFile{"AKindOutOfRange", [](std::vector<std::string>& l) { l[17] = "300"; }},
                    BadFile{"ACodeOutOfRange", [](std::vector<std::string>& l) { l[40] = "-3"; }},
                    BadFile{"ASquareInAHole", [](std::vector<std::string>& l) { l[17 + 3] = "1"; }},
                    BadFile{"AWordForANumber", [](std::vector<std::string>& l) { l[20] = "x7"; }},
                    BadFile{"AFractionForACount", [](std::vector<std::string>& l) { l[3] = "4.5"; }},
                    BadFile{"ATimeThatIsNoNumber", [](std::vector<std::string>& l) { l[2] = "nan"; }},
                    BadFile{"ASecondBoard", [](std::vector<std::string>& l) { l.push_back("4"); }}),
    [](const testing::TestParamInfo<BadFile>& info) { return std::string(info.param.name); });

TEST_F(BoardStateFileTest, AMissingFileIsRefusedWithItsLogLine)
{
    GameField& board = MakeLaidOutBoard({{0, 1, 2}});
    board.LoadBoardState("no such state.txt");
    EXPECT_EQ(board._squares.size(), 3u);
    EXPECT_EQ(Count(LogText(), "is not loaded: it cannot be read"), 1) << LogText();
}

} // namespace
