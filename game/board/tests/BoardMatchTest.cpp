// The match check: the score of each group, the chain of passes of one
// move, the fruitless swap sent back, covers opened, a life for the score,
// the sun's energy and the ice.

#include "PlayFixture.h"

#include "engine/util/Random.h"
#include "game/board/effects/SquareDestroyerShatter.h"
#include "game/board/effects/SquareDestroyerThrow.h"
#include "game/state/GameInfo.h"
#include "gui/effects/ParticleEffect.h"

namespace {

class BoardMatchTest : public PlayTest {
protected:
    // The board's effects of a kind.
    template <typename T>
    static int EffectsOf(const GameField& board)
    {
        return static_cast<int>(std::count_if(board._fieldEffects.begin(), board._fieldEffects.end(),
                                              [](FieldEffect* e) { return dynamic_cast<T*>(e) != nullptr; }));
    }
    // Ends the board's destroyers and the coming fall without running them.
    static void DropPass(GameField& board)
    {
        for (const char* name : {"SquareDestroyer", "FallingRunner"})
            board.StopControllerEverywhere(name);
        kernel.Update(0.0f);
    }

    SampleRecorder _samples;
};

struct ScoreCase {
    const char* name;
    PlayTest::Layout layout;
    int score;
    std::vector<std::string> calls;
};

class GroupScores : public BoardMatchTest, public testing::WithParamInterface<ScoreCase> {};

TEST_P(GroupScores, EachGroupScoresOnceAndShowsOneText)
{
    const ScoreCase& c = GetParam();
    WatchedField& board = MakeLaidOutBoard(c.layout);
    EXPECT_TRUE(board.CheckMatch3(false, false, true));
    EXPECT_EQ(board._score, c.score);
    EXPECT_EQ(ActivePlayer().score, c.score);
    EXPECT_EQ(board.calls, c.calls);
}

INSTANTIATE_TEST_SUITE_P(
    Groups, GroupScores,
    testing::Values(ScoreCase{"Three", {{0, 2, 3}, {1, 1, 1}}, 15, {"ScoreText +15 level 0 silent"}},
                    ScoreCase{"Four", {{0, 2, 3, 4}, {1, 1, 1, 1}}, 40, {"FlyChipToSun 4", "ScoreText +40 level 0 silent"}},
                    ScoreCase{"FiveInAnL", {{1, 0, 2}, {1, 3, 4}, {1, 1, 1}}, 75, {"FlyChipToSun 5", "ScoreText +75 level 0 silent"}},
                    ScoreCase{"FiveInACross", {{0, 1, 2}, {1, 1, 1}, {3, 1, 4}}, 75, {"FlyChipToSun 5", "ScoreText +75 level 0 silent"}},
                    ScoreCase{"Six", {{0, 2, 3, 4, 0, 2}, {1, 1, 1, 1, 1, 1}}, 120, {"FlyChipToSun 6", "ScoreText +120 level 0 silent"}},
                    ScoreCase{"TwoThrees", {{2, 2, 2}, {1, 1, 1}}, 30, {"ScoreText +15 level 0 silent", "ScoreText +15 level 0 silent"}}),
    [](const testing::TestParamInfo<ScoreCase>& info) { return std::string(info.param.name); });

TEST_F(BoardMatchTest, AHorizontalThreeThrowsItsChipsApartAVerticalOneStraight)
{
    WatchedField& board = MakeLaidOutBoard({{0, 2, 3}, {1, 1, 1}});
    SeedRandom(3);
    board.CheckMatch3(false, false, true);
    std::vector<float> speeds;
    for (FieldEffect* effect : board._fieldEffects)
        if (auto* thrown = dynamic_cast<SquareDestroyerThrow*>(effect))
            speeds.push_back(thrown->_speedX);
    // v = (random 0..29) + spread x 30 - 15 with the spreads -1, 0 and 1.
    SeedRandom(3);
    std::vector<float> expected;
    for (float spread : {-1.0f, 0.0f, 1.0f}) {
        expected.push_back(static_cast<float>(RandomInt() % 30) + spread * 30.0f - 15.0f);
        RandomInt(); // the fall
        RandomInt(); // the frame rate of the chip's spin
    }
    EXPECT_EQ(speeds, expected);
    EXPECT_EQ(board._squares.size(), 3u) << "the thrown chips have left the board";
}

TEST_F(BoardMatchTest, ThePassesOfOneMoveShowTheChainTextsAndSamples)
{
    WatchedField& board = MakeLaidOutBoard({{0, 2, 3}, {1, 1, 1}});
    board._isPlayerMove = true;
    std::vector<std::string> expectedTexts;
    std::vector<std::string> expectedSamples;
    for (int pass = 1; pass <= 12; ++pass) {
        LayOut(board, {{0, 2, 3}, {1, 1, 1}});
        ASSERT_TRUE(board.CheckMatch3(false, false, true));
        EXPECT_EQ(board._chainStep, pass);
        DropPass(board);
        const char* combo = pass == 5 ? "Chain1" : pass == 9 ? "Chain2" : pass == 12 ? "Chain3" : nullptr;
        if (combo) {
            expectedTexts.push_back(std::string("ComboText #") + combo + "Tex 256x64");
            expectedSamples.push_back(combo);
        } else if (pass > 1) {
            expectedTexts.push_back("ScoreText x" + std::to_string(pass) + " level " + std::to_string(std::min(pass, 7)));
        }
        expectedSamples.push_back("Match" + std::to_string(std::min(pass, 8)));
    }
    std::vector<std::string> texts;
    for (const std::string& call : board.calls)
        if (call.compare(0, 9, "ComboText") == 0 || call.compare(0, 11, "ScoreText x") == 0)
            texts.push_back(call);
    EXPECT_EQ(texts, expectedTexts);
    EXPECT_EQ(_samples.Played(), expectedSamples);
    EXPECT_EQ(board._moveCount, 1) << "only the first pass was the player's";
    EXPECT_EQ(board._movesSinceChain5, 0);
    EXPECT_EQ(board._movesSinceChain9, 0);
    EXPECT_EQ(board._movesSinceChain12, 0);
}

TEST_F(BoardMatchTest, AComboTextStaysOnTheScreen)
{
    WatchedField& board = MakeLaidOutBoard({{0, 2, 3}, {1, 1, 1}});
    board._chainStep = 4;
    board._chainTextX = 2000;
    board._chainTextY = -200;
    board.CheckMatch3(false, false, true);
    // The mean with the run's point (415, 220), clamped to 800 - 80 and to
    // 80 * 2 / 3 = 53, then moved up by 65.
    ASSERT_EQ(board.textPoints.size(), 2u);
    EXPECT_EQ(board._chainTextX, 720);
    EXPECT_EQ(board._chainTextY, 53);
    EXPECT_EQ(board.textPoints.back(), Point(720, 118));
}

TEST_F(BoardMatchTest, OnlyAPlayersFruitlessSwapGoesBack)
{
    const Layout diagonals = {{0, 1, 2, 3}, {1, 2, 3, 0}, {2, 3, 0, 1}, {3, 0, 1, 2}};
    WatchedField& board = MakeLaidOutBoard(diagonals);
    Click(board, 1, 1);
    Click(board, 2, 1);
    ASSERT_TRUE(RunUntilFree(board));
    EXPECT_EQ(KindsOf(board), diagonals);
    EXPECT_EQ(_samples.Count("ChipWrongMove"), 1);
    EXPECT_EQ(board._score, 0);
    EXPECT_FALSE(board._isPlayerMove);

    board.RunSwap(board.FindSquare(1, 1), board.FindSquare(2, 1));
    ASSERT_TRUE(RunUntilFree(board));
    EXPECT_EQ(KindsOf(board), (Layout{{0, 1, 2, 3}, {1, 2, 3, 0}, {2, 0, 3, 1}, {3, 0, 1, 2}}));
    EXPECT_EQ(_samples.Count("ChipWrongMove"), 1);
}

struct CoverCase {
    int kind;
    int uncovered;
    bool shattered; // the cover breaks in a run of three
};

class CoversOpen : public BoardMatchTest, public testing::WithParamInterface<CoverCase> {};

TEST_P(CoversOpen, AChipUnderACoverStaysWithOneCoverLess)
{
    const CoverCase& c = GetParam();
    // In a run of three the cover is thrown or shattered.
    GameField& board = MakeLaidOutBoard({{0, 2, 3}, {c.kind, 1, 1}});
    ASSERT_TRUE(board.CheckMatch3(false, false, true));
    EXPECT_EQ(SquaresAt(board, 0, 0), 1);
    ASSERT_NE(board.FindSquare(0, 0), nullptr);
    EXPECT_EQ(board.FindSquare(0, 0)->kind, c.uncovered);
    EXPECT_EQ(EffectsOf<SquareDestroyerShatter>(board), c.shattered ? 1 : 0);
    EXPECT_EQ(EffectsOf<SquareDestroyerThrow>(board), c.shattered ? 2 : 3);

    // In a group of four the cover simply goes.
    GameField& four = MakeLaidOutBoard({{0, 2, 3, 4}, {c.kind, 1, 1, 1}}, "Four");
    ASSERT_TRUE(four.CheckMatch3(false, false, true));
    EXPECT_EQ(SquaresAt(four, 0, 0), 1);
    EXPECT_EQ(four.FindSquare(0, 0)->kind, c.uncovered);
    EXPECT_EQ(four._fieldEffects.size(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Kinds, CoversOpen,
                         testing::Values(CoverCase{0x11, 0x01, true}, CoverCase{0x21, 0x11, true},
                                         CoverCase{0xA1, 0x01, false}, CoverCase{0xB1, 0x01, true},
                                         CoverCase{0xC1, 0xB1, true}),
                         [](const testing::TestParamInfo<CoverCase>& info) { return "Kind" + std::to_string(info.param.kind); });

TEST_F(BoardMatchTest, AnOpenedLockStaysOnTheBoardThroughTheFall)
{
    GameField& board = MakeLaidOutBoard({{0, 2, 3}, {0x11, 1, 1}});
    board.SetBlocked(true, "test"); // as the swap leaves it
    ASSERT_TRUE(board.CheckMatch3(false, false, true));
    Square* opened = board.FindSquare(0, 0);
    EXPECT_EQ(_samples.Count("ChipUnlock"), 1);
    ASSERT_TRUE(RunUntilFree(board));
    EXPECT_EQ(board.FindSquare(0, 0), opened);
    EXPECT_EQ(opened->kind, 1);
    EXPECT_TRUE(IsSettledAndFull(board));
}

TEST_F(BoardMatchTest, DestroyingAnEmptyCellOrANotFallingLockIsSafe)
{
    GameField& board = MakeLaidOutBoard({{kEmpty, 0xB2, 1}});
    board.DestroySquare(0, 0, 0.0f, GameField::kDestroyThrow, 0, 0);
    EXPECT_EQ(ActivePlayer().tiles, 0);
    EXPECT_TRUE(board._fieldEffects.empty());

    // Its cover shatters and is gone: nothing else may take that square.
    board.DestroySquare(1, 0, 0.0f, GameField::kDestroyThrow, 0, 0);
    EXPECT_EQ(ActivePlayer().tiles, 1);
    EXPECT_EQ(EffectsOf<SquareDestroyerShatter>(board), 1);
    EXPECT_EQ(EffectsOf<SquareDestroyerThrow>(board), 0);
    EXPECT_EQ(SquaresAt(board, 1, 0), 1);
    EXPECT_EQ(board.FindSquare(1, 0)->kind, 2);
    EXPECT_EQ(_samples.Count("IceBreak"), 1);
}

TEST_F(BoardMatchTest, MusorBreaksOnlyUnderAShatterAndStonesNever)
{
    GameField& board = MakeLaidOutBoard({{0xD0, 0x30}});
    board.DestroySquare(0, 0, 0.0f, GameField::kDestroyThrow, 0, 0);
    board.DestroySquare(1, 0, 0.0f, GameField::kDestroyShatter, 0, 0);
    EXPECT_EQ(board._squares.size(), 2u);
    board.DestroySquare(0, 0, 0.0f, GameField::kDestroyShatter, 1, 0);
    EXPECT_EQ(board.FindSquare(0, 0), nullptr);
    ASSERT_EQ(board._fieldEffects.size(), 1u);
    auto* shatter = dynamic_cast<SquareDestroyerShatter*>(board._fieldEffects.front());
    ASSERT_NE(shatter, nullptr);
    EXPECT_EQ(shatter->_colour, 14);
}

TEST_F(BoardMatchTest, OneLifeBonusPerScoreThatPassesAMultipleOfThePointsPerLife)
{
    const struct {
        int perLife;
        int start;
        int points;
        int lives;
    } cases[] = {{100, 90, 250, 1}, {100, 90, 5, 0}, {100, 95, 5, 1}, {100, 0, 99, 0}, {0, 0, 500, 0}, {-5, 0, 500, 0}};
    for (const auto& c : cases) {
        WatchedField& board = MakeLaidOutBoard({{0}}, "Score" + std::to_string(c.perLife) + "_" + std::to_string(c.start));
        board._pointsPerLife = c.perLife;
        board._score = c.start;
        board.AddScore(c.points);
        EXPECT_EQ(board._score, c.start + c.points);
        EXPECT_EQ(ActivePlayer().score, c.start + c.points);
        EXPECT_EQ(board.Calls("AddLifeEffect").size(), static_cast<std::size_t>(c.lives))
            << c.perLife << " " << c.start << " " << c.points;
    }
}

TEST_F(BoardMatchTest, TheSunTakesTheEnergyOfItsGroupSizeUpToTheLastOfTheTable)
{
    GameField& board = MakeLaidOutBoard({{0}});
    for (int i = 0; i < 16; ++i)
        board._sunInc[i] = 0.01f * static_cast<float>(i);
    board.AddSunEnergy(22);
    EXPECT_FLOAT_EQ(board._sunEnergy, 0.15f);
    board.AddSunEnergy(-3);
    EXPECT_FLOAT_EQ(board._sunEnergy, 0.15f);
    EXPECT_FLOAT_EQ(ActivePlayer().sunEnergy, 0.15f);

    board._sunInc[4] = 0.9f;
    board._effectClock = 12.0f;
    board.AddSunEnergy(4);
    EXPECT_TRUE(board._sunComplete);
    EXPECT_FLOAT_EQ(board._sunEnergy, 1.0f);
    EXPECT_FLOAT_EQ(board._nextSunRingTime, 12.0f);
    EXPECT_EQ(_samples.Count("SunComplete"), 1);
    ASSERT_FALSE(board.effects.effects.empty());
    const ParticleEffect* moment = board.effects.effects.back();
    EXPECT_FLOAT_EQ(moment->posX, static_cast<float>(board._sunPosition.x + 50)) << "the burst stands on the sun";
    EXPECT_FLOAT_EQ(moment->posY, static_cast<float>(board._sunPosition.y + 50));
    board.AddSunEnergy(4);
    EXPECT_EQ(_samples.Count("SunComplete"), 1);
}

TEST_F(BoardMatchTest, IceSpreadsToOnePlainNeighbourChosenAtRandom)
{
    GameField& board = MakeLaidOutBoard({
        {0x13, 2, 4},
        {1, 0xA0, 3},
        {0, 0x40, 2},
    });
    board.SetBlocked(true, "test");
    EXPECT_FALSE(board.SpreadIce());
    board.SetBlocked(false, "test");

    // Left, right, below and above, plain chips only: (0, 1), (2, 1), (1, 2).
    SeedRandom(11);
    const Point candidates[] = {Point(0, 1), Point(2, 1), Point(1, 2)};
    const Point chosen = candidates[RandomInt() % 3];
    SeedRandom(11);
    EXPECT_TRUE(board.SpreadIce());
    int iced = 0;
    for (const Point& c : candidates) {
        const int kind = board.FindSquare(c.x, c.y)->kind;
        if ((kind & 0xF0) == 0xA0) {
            ++iced;
            EXPECT_EQ(c, chosen);
        }
    }
    EXPECT_EQ(iced, 1);
    EXPECT_EQ(board.FindSquare(0, 2)->kind, 0x13);
}

TEST_F(BoardMatchTest, AMoveThatEndsOwesAChainAfterEnoughMatchingMoves)
{
    const struct {
        int since5, since9, since12;
        int forced;
        int after5, after9, after12;
    } cases[] = {{4, 8, 11, 0, 4, 8, 11}, {5, 5, 5, 5, 0, 5, 5}, {9, 9, 9, 9, 0, 0, 9}, {12, 12, 12, 12, 0, 0, 0}};
    for (const auto& c : cases) {
        WatchedField& board = MakeLaidOutBoard({{0, 1, 2}}, "Chain" + std::to_string(c.since5));
        board._chain5Moves = 5;
        board._chain9Moves = 9;
        board._chain12Moves = 12;
        board._levelStartMaxStage = 2;
        board._movesSinceChain5 = c.since5;
        board._movesSinceChain9 = c.since9;
        board._movesSinceChain12 = c.since12;
        board._chainStep = 3;
        EXPECT_FALSE(board.CheckMatch3(false, false, true));
        EXPECT_EQ(board._forcedRefills, c.forced) << c.since5;
        EXPECT_EQ(board._movesSinceChain5, c.after5) << c.since5;
        EXPECT_EQ(board._movesSinceChain9, c.after9) << c.since5;
        EXPECT_EQ(board._movesSinceChain12, c.after12) << c.since5;
        EXPECT_EQ(board._chainStep, 0);
    }

    // On the first stage of the first cycle no chain is owed.
    WatchedField& first = MakeLaidOutBoard({{0, 1, 2}}, "FirstStage");
    first._chain5Moves = 5;
    first._levelStartMaxStage = 1;
    first._movesSinceChain5 = 7;
    first.CheckMatch3(false, false, true);
    EXPECT_EQ(first._forcedRefills, 0);
}

TEST_F(BoardMatchTest, TheEndOfAMoveCountsThePiecesItCollectedAndFreesTheBoard)
{
    WatchedField& board = MakeLaidOutBoard({{0, 1, 2}});
    board.SetBlocked(true, "test");
    board._piecesThisMove = 2;
    board._artefactTextPoint = Point(400, 200);
    EXPECT_FALSE(board.CheckMatch3(false, false, true));
    EXPECT_EQ(board.Calls("LetterText"), std::vector<std::string>{"LetterText  x2"});
    EXPECT_EQ(board.textPoints.back(), Point(400, 240));
    EXPECT_EQ(board._piecesThisMove, 0);
    EXPECT_FALSE(board._isBlocked);
    EXPECT_EQ(board.Calls("CheckNoMoves").size(), 1u);

    // While a piece flies the level is not checked.
    board._artInFly = 1;
    board.CheckMatch3(false, false, true);
    EXPECT_EQ(board.Calls("CheckNoMoves").size(), 1u);
    board._artInFly = 0;

    // The check is off while a reset runs.
    board._matchEnabled = false;
    board.SetBlocked(true, "test");
    EXPECT_FALSE(board.CheckMatch3(false, false, true));
    EXPECT_TRUE(board._isBlocked);
}

TEST_F(BoardMatchTest, TheTestModeOnlyLooksAndMayEraseTheLine)
{
    WatchedField& board = MakeLaidOutBoard({{0, 2, 3}, {1, 1, 1}});
    EXPECT_TRUE(board.CheckMatch3(true, false, false));
    EXPECT_EQ(board._kinds[0][0], 1);
    EXPECT_TRUE(board.CheckMatch3(true, true, true));
    EXPECT_EQ(board._kinds[0][0], kNoSquare);
    EXPECT_EQ(board._kinds[0][1], 0);
    EXPECT_EQ(board._squares.size(), 6u);
    EXPECT_EQ(board._score, 0);
    EXPECT_EQ(ActivePlayer().numMatches, 0);
    EXPECT_TRUE(board.calls.empty());
    EXPECT_TRUE(_samples.Played().empty());
}

} // namespace

TEST_F(BoardMatchTest, AHelpBoardScoresForItselfAndLeavesTheProfileAlone)
{
    Player& player = ActivePlayer();
    player.score = 500;
    player.numMatches = 7;
    player.tiles = 21;
    player.sunEnergy = 0.25f;
    WatchedField& board = MakeLaidOutBoard({{0, 2, 3}, {1, 1, 1}});
    board._isHelpMode = true;
    board._sunInc[3] = 0.5f;
    board._pointsPerLife = 10;
    ASSERT_TRUE(board.CheckMatch3(false, false, true));
    EXPECT_GT(board._score, 0) << "the lesson's own score moves";
    EXPECT_EQ(player.score, 500);
    EXPECT_EQ(player.numMatches, 7);
    EXPECT_EQ(player.tiles, 21);
    EXPECT_FLOAT_EQ(player.sunEnergy, 0.25f);
    EXPECT_TRUE(board.Calls("AddLifeEffect").empty());
}
