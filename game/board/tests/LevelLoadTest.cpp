// Reading a level of level.xml into the board, the board's other data files,
// and refusing malformed levels.

#include "BoardFixture.h"

#include "engine/platform/StrictLookups.h"
#include "game/board/LevelFile.h"
#include "game/board/Square.h"

namespace {

class LevelLoadTest : public BoardTest {
protected:
    // Loads the named level of a Level.xml holding these elements.
    GameField& Load(const std::vector<std::string>& levels, const std::string& name)
    {
        WriteLevels(levels);
        GameField& board = MakeBoard();
        board.LoadLevel(name);
        return board;
    }
};

TEST_F(LevelLoadTest, ArtefactPiecesAfterThoseInPlaceAndRowsMirrored)
{
    GameField& board = Load({LevelXml("Two", {"0A", "11"}, {{"artefact_begin", "2"}})}, "Two");
    EXPECT_TRUE(board.HasLevel());
    EXPECT_EQ(board._width, 2);
    EXPECT_EQ(board._height, 2);
    EXPECT_EQ(board._artefactQueue, (std::vector<int>{0, 1}));
    EXPECT_EQ(board._levelGrid.At(0, 1), 0);
    EXPECT_EQ(board._levelGrid.At(1, 1), 0x52);
    EXPECT_EQ(board._levelGrid.At(0, 0), 1);
    EXPECT_EQ(board._levelGrid.At(1, 0), 1);
    EXPECT_EQ(board._levelGrid.At(-1, -1), 0);
    EXPECT_EQ(board._levelGrid.At(2, 0), 0);
    for (int x = 0; x < 2; ++x)
        for (int y = 0; y < 2; ++y)
            EXPECT_EQ(board._cellFade[x][y], 0);
}

TEST_F(LevelLoadTest, TimeFollowsTheDifficulty)
{
    struct Case {
        int difficulty;
        float seconds;
    };
    for (const Case& c : {Case{2, 112.0f}, Case{-3, 70.0f}, Case{0, 100.0f}}) {
        ActivePlayer().difficultyLevel = c.difficulty;
        GameField& board = Load({LevelXml("L", {"111"}, {{"time", "100"}})}, "L");
        EXPECT_FLOAT_EQ(board._levelTime, c.seconds) << c.difficulty;
        EXPECT_FLOAT_EQ(ActivePlayer().timeToLevel, c.seconds) << c.difficulty;
        EXPECT_FLOAT_EQ(board._artefactFlashTime, c.seconds * 0.2f) << c.difficulty;
    }
}

TEST_F(LevelLoadTest, ColoursAndTheLevelNumbers)
{
    GameField& board = Load({LevelXml("L", {"111"},
                                      {{"chips", "0A"}, {"tip_time", "7.5"}, {"qMusor", "3.9"}, {"sun_inc4", "0.25"},
                                       {"sun_inc5", "0.5"}, {"sun_inc6", "0.75"}})},
                            "L");
    EXPECT_EQ(board._chipCount, 2);
    EXPECT_EQ(board._chips[0], 0);
    EXPECT_EQ(board._chips[1], 10);
    EXPECT_FLOAT_EQ(board._tipTime, 7.5f);
    EXPECT_EQ(board._qMusor, 3);
    EXPECT_EQ(board._musorStep, 5);
    EXPECT_FLOAT_EQ(board._sunInc[4], 0.25f);
    EXPECT_FLOAT_EQ(board._sunInc[5], 0.5f);
    for (int n = 6; n < 16; ++n)
        EXPECT_FLOAT_EQ(board._sunInc[n], 0.75f) << n;
}

TEST_F(LevelLoadTest, ABonusTheProfileTookBecomesAPlainCellInReadingOrder)
{
    LevelInfo info;
    info.takedBonus[0] = 1;
    gameInfo.SetLevelInfo(0, 0, info);
    GameField& board = Load({LevelXml("L", {"L1L", "11L"})}, "L");
    EXPECT_EQ(board._levelGrid.At(0, 1), 1); // the first "L", top left
    EXPECT_EQ(board._levelGrid.At(2, 1), 0x40);
    EXPECT_EQ(board._levelGrid.At(2, 0), 0x40);

    board._isDemo = true; // a demo board places them all
    board.LoadLevel("L");
    EXPECT_EQ(board._levelGrid.At(0, 1), 0x40);
}

TEST_F(LevelLoadTest, CellCharacters)
{
    GameField& board = Load({LevelXml("L", {"-+*LTRB", "SDVIZXq"}, {{"artefact_begin", "5"}})}, "L");
    const int top[] = {0x10, 0x20, 0x30, 0x40, 0x41, 0x42, 0x43};
    const int bottom[] = {0x48, 0x49, 0x4C, 0xA0, 0xB0, 0xC0, 1};
    for (int x = 0; x < 7; ++x) {
        EXPECT_EQ(board._levelGrid.At(x, 1), top[x]) << x;
        EXPECT_EQ(board._levelGrid.At(x, 0), bottom[x]) << x;
    }
}

TEST_F(LevelLoadTest, TheBoardIsCentredAndStageFourSitsLower)
{
    const std::vector<std::string> rows(8, "111111");
    struct Case {
        int stage;
        int originY;
        Point sunOffset;
    };
    for (const Case& c : {Case{1, 140, Point(27, 271)}, Case{4, 180, Point(25, 295)}, Case{6, 155, Point(25, 293)}}) {
        ActivePlayer().stage = c.stage;
        GameField& board = Load({LevelXml("L", rows)}, "L");
        EXPECT_EQ(board._originX, 417) << c.stage;
        EXPECT_EQ(board._originY, c.originY) << c.stage;
        EXPECT_EQ(board._stageIndex, c.stage - 1);
        EXPECT_EQ(board._sunOffset, c.sunOffset) << c.stage;
    }
}

TEST_F(LevelLoadTest, TheFirstElementOfTheNameWinsAndTheFileIsFoundInAnyCase)
{
    WriteLevels({LevelXml("L", {"11"}), LevelXml("L", {"111"})});
    GameField& board = MakeBoard();
    board.LoadLevel("L");
    EXPECT_EQ(board._width, 2);
}

struct MalformedCase {
    const char* what;
    std::vector<std::string> rows;
    BoardTest::Attributes attributes;
    const char* fault;
};

class MalformedLevel : public LevelLoadTest, public ::testing::WithParamInterface<MalformedCase> {};

TEST_P(MalformedLevel, IsRefusedLikeAMissingOneAndTheBoardKeepsItsLevel)
{
    const MalformedCase& c = GetParam();
    GameField& board = Load({LevelXml("Good", {"111", "111"}, {{"chips", "012"}}), LevelXml("Bad", c.rows, c.attributes)},
                            "Good");
    ASSERT_TRUE(board.HasLevel());
    board.LoadLevel("Bad");
    EXPECT_TRUE(board.HasLevel());
    EXPECT_EQ(board._width, 3);
    EXPECT_EQ(board._height, 2);
    EXPECT_EQ(board._chipCount, 3);
    EXPECT_EQ(board._levelGrid.At(2, 1), 1);
    const std::string log = LogText();
    EXPECT_NE(log.find(c.fault), std::string::npos) << c.what << "\n" << log;
    EXPECT_NE(log.find("Level is not found!"), std::string::npos) << c.what;
}

const std::vector<std::string> kRows = {"111", "111"};

INSTANTIATE_TEST_SUITE_P(
    Faults, MalformedLevel,
    ::testing::Values(
        MalformedCase{"missing", kRows, {{"tip_time", std::nullopt}}, "no &quot;tip_time&quot;"},
        MalformedCase{"words", kRows, {{"time", "long"}}, "&quot;time&quot; is not a number"},
        MalformedCase{"zero time", kRows, {{"time", "0"}}, "&quot;time&quot; is 0 or less"},
        MalformedCase{"negative time", kRows, {{"time", "-5"}}, "&quot;time&quot; is 0 or less"},
        MalformedCase{"no colours", kRows, {{"chips", ""}}, "&quot;chips&quot; is empty"},
        MalformedCase{"17 colours", kRows, {{"chips", "0123456789ABCDEF0"}}, "longer than 16"},
        MalformedCase{"lower case", kRows, {{"chips", "01a"}}, "not 0-9 or A-F"},
        MalformedCase{"no rows", {}, {}, "no &quot;Line&quot;"},
        MalformedCase{"unequal rows", {"111", "11"}, {}, "&quot;Line&quot; 2 is 2 long, not 3"},
        MalformedCase{"21 rows", std::vector<std::string>(21, "111"), {}, "more than 20 rows"},
        MalformedCase{"21 columns", {std::string(21, '1')}, {}, "more than 20 columns"},
        MalformedCase{"negative pieces", kRows, {{"artefact_begin", "-1"}}, "&quot;artefact_begin&quot; is negative"},
        MalformedCase{"piece 80", {"1A1", "A11"}, {{"artefact_begin", "79"}}, "past piece 79"},
        MalformedCase{"not there", kRows, {{"name", "Other"}}, "Level is not found!"}));

TEST_F(LevelLoadTest, NoFillStartsWithoutALevel)
{
    GameField& board = Load({LevelXml("Bad", {"111"}, {{"chips", ""}})}, "Bad");
    EXPECT_FALSE(board.HasLevel());
    board.FillBoard();
    board.StartLevel(false);
    EXPECT_TRUE(board._squares.empty());
    EXPECT_FALSE(board._isBlocked);
    EXPECT_NE(LogText().find("has no level"), std::string::npos);
}

TEST_F(LevelLoadTest, AnUnreadableLevelFileChangesNothingMore)
{
    GameField& board = MakeBoard();
    board.LoadLevel("L");
    EXPECT_FALSE(board.HasLevel());
    EXPECT_EQ(board._cellFade[0][0], 128);
    EXPECT_NE(LogText().find("Can't read the levels"), std::string::npos);
}

TEST_F(LevelLoadTest, MessagesKeepTheirFirstTextAndTheBonusTipsComeFromThem)
{
    WriteGameFile("Messages.xml", "<Messages>"
                                  "<Message name=\"BombBonusTip\"><Text><string>Boom</string></Text></Message>"
                                  "<Message name=\"BombBonusTip\"><Text><string>Second</string></Text></Message>"
                                  "<Message name=\"Loose\" />"
                                  "</Messages>");
    GameField& board = MakeBoard();
    ASSERT_EQ(board._bonusTips[2].lines.size(), 1u);
    EXPECT_EQ(board._bonusTips[2].lines[0].source, "Boom");
    EXPECT_TRUE(board._bonusTips[0].lines.empty()); // "SwapBonusTip1" is not there
    EXPECT_EQ(board._messages.count("SwapBonusTip1"), 1u);
    EXPECT_EQ(board._messages.count("Loose"), 0u);
    EXPECT_NE(LogText().find("without a &quot;name&quot; or a &quot;Text&quot;"), std::string::npos);
}

TEST_F(LevelLoadTest, TracesAreReadOnceAndCached)
{
    WriteGameFile("traces.xml", "<Traces><Trace name=\"timeLine1\"><p x=\"1\" y=\"2\" /><q x=\"3\" y=\"-4\" /></Trace>"
                                "<Trace name=\"timeLine1\"><p x=\"9\" y=\"9\" /></Trace></Traces>");
    GameField& board = MakeBoard();
    EXPECT_EQ(board.LoadTraces("timeLine1"), (std::vector<Point>{Point(1, 2), Point(3, -4)}));
    EXPECT_TRUE(board.LoadTraces("none").empty());
    WriteGameFile("traces.xml", "<Traces />");
    EXPECT_EQ(board.LoadTraces("timeLine1").size(), 2u);
}

TEST_F(LevelLoadTest, LevelNameMapRowsPastSevenAndEntriesPastTwentyAreIgnored)
{
    std::string text = "<Map>";
    for (int stage = 1; stage <= 8; ++stage) {
        text += "<Stage>";
        for (int level = 1; level <= 21; ++level)
            text += "<L value=\"" + std::to_string(stage * 100 + level) + "\" />";
        text += "</Stage>";
    }
    WriteGameFile("LevNameMap.xml", text + "</Map>");
    GameField& board = MakeBoard();
    EXPECT_EQ(board._levNameMap[0][0], 101);
    EXPECT_EQ(board._levNameMap[0][19], 120);
    EXPECT_EQ(board._levNameMap[6][19], 720);
    EXPECT_NE(LogText().find("past the 7th"), std::string::npos);
}

TEST_F(LevelLoadTest, AMissingMessageIsReportedOnceInTheStrictMode)
{
    WriteGameFile("Messages.xml", "<Messages><Message name=\"msg_1\"><Text><string>Hi</string></Text></Message>"
                                  "</Messages>");
    GameField& board = MakeBoard();
    SetStrictLookups(true);
    board.GetMessageText("msg_1");
    board.GetMessageText("stone");
    board.GetMessageText("stone"); // now an empty entry: no second line
    SetStrictLookups(false);
    EXPECT_EQ(Count(LogText(), kMissingNameTitle), 1) << LogText();
    EXPECT_NE(LogText().find("message &quot;stone&quot; is not there."), std::string::npos) << LogText();
}

} // namespace
