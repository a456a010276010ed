// The board's clockwork: the level's clock and the time-out, the hurry
// warning, the drawn score, the artefact flash and the timer bar's fill.

#include "PlayFixture.h"

#include "game/board/ArtefactFlash.h"
#include "game/board/FillTimer.h"
#include "game/board/GameFieldObserver.h"

namespace {

constexpr int kPiece = kKindArtefact + 5;

} // namespace

class BoardClockTest : public PlayTest {
protected:
    BoardClockTest()
    {
        Player& player = ActivePlayer();
        player.timeToLevel = 100.0f;
        player.levelTime = 0.0f;
    }

    // A running level with one artefact piece, its clock going.
    WatchedField& MakeLevelBoard()
    {
        WatchedField& board = MakeLaidOutBoard({{0, 1, 2}, {1, 2, kPiece}, {2, 0, 1}});
        board._levelRunning = true;
        board._levelTime = 100.0f;
        board._artefactFlashTime = 1000.0f;
        return board;
    }

    // Steps of the board's observer alone, without the other controllers.
    static void Observe(GameField& board, float seconds, float step = kFrameStep)
    {
        const int count = static_cast<int>(seconds / step + 0.5f);
        for (int i = 0; i < count; ++i)
            board._observer->Update(step);
    }
};

TEST_F(BoardClockTest, AStepOfZeroChangesNothing)
{
    WatchedField& board = MakeLevelBoard();
    board._tipSlot._titleAlpha = 100.0f;
    board._elapsed = 20.0f;
    board._idleTime = 1.0f;
    board._score = 500;
    Observe(board, 0.1f);
    const float alpha = board._tipSlot._titleAlpha;
    const float elapsed = board._elapsed;
    const float idle = board._idleTime;
    const float clock = board._boardClock;
    const int shown = board._shownScore;
    const float total = ActivePlayer().totalTime;

    board._observer->Update(0.0f);
    EXPECT_EQ(board._tipSlot._titleAlpha, alpha);
    EXPECT_EQ(board._elapsed, elapsed);
    EXPECT_EQ(board._idleTime, idle);
    EXPECT_EQ(board._boardClock, clock);
    EXPECT_EQ(board._shownScore, shown);
    EXPECT_EQ(ActivePlayer().totalTime, total);
}

TEST_F(BoardClockTest, TheClockStopsUnderATipAndReachesTheTimeOutFromExactlyTheLimit)
{
    WatchedField& board = MakeLevelBoard();
    board._elapsed = 50.0f;
    board._idleTime = 0.0f;
    board._isShowMessage = true;
    Observe(board, 1.0f);
    EXPECT_EQ(board._elapsed, 50.0f);
    EXPECT_EQ(ActivePlayer().levelTime, 50.0f);
    EXPECT_EQ(board._idleTime, 0.0f);

    board._isShowMessage = false;
    Observe(board, 1.0f);
    EXPECT_NEAR(board._elapsed, 51.0f, 0.01f);
    EXPECT_GT(board._idleTime, 0.9f);

    // A clock landing exactly on the limit goes on past it: the time runs out.
    board._elapsed = 100.0f;
    Observe(board, kFrameStep);
    EXPECT_GT(ActivePlayer().levelTime, 100.0f);
    EXPECT_TRUE(board._endLevelRunning);
    EXPECT_TRUE(board._stopTime);
    const float stoppedAt = board._elapsed;
    Observe(board, 1.0f);
    EXPECT_EQ(board._elapsed, stoppedAt) << "the stopped clock stands";
}

TEST_F(BoardClockTest, ALevelWithoutTimeHasNoClockAndNoTimeOut)
{
    ActivePlayer().timeToLevel = 0.0f;
    WatchedField& board = MakeLevelBoard();
    board._levelTime = 0.0f;
    Observe(board, 2.0f);
    EXPECT_EQ(board._elapsed, 0.0f);
    EXPECT_FALSE(board._endLevelRunning);
}

TEST_F(BoardClockTest, TheHurryWarningComesOnceBelowATenthAndNotDuringATimeBonus)
{
    SampleRecorder samples;
    g_sound.LoadSample("TimeUp", "TimeUp.wav", 1000);
    for (const bool timeBonus : {false, true}) {
        WatchedField& board = MakeLevelBoard();
        board._timeBonusRunning = timeBonus;
        board._elapsed = 89.5f;
        Observe(board, 0.4f);
        EXPECT_TRUE(board.Calls("LetterText").empty()) << "more than a tenth is left";
        Observe(board, 3.0f);
        EXPECT_EQ(board.Calls("LetterText").size(), timeBonus ? 0u : 1u);
        EXPECT_EQ(board._hurryShown, !timeBonus);
        if (!timeBonus) {
            EXPECT_EQ(board.Calls("LetterText")[0], "LetterText " + board._timeOutText);
        }
    }
}

TEST_F(BoardClockTest, TheDrawnScoreClimbsATenthOfTheGapEveryTwentiethOfASecondThenByOne)
{
    WatchedField& board = MakeLevelBoard();
    board._score = 1000;
    board._shownScore = 0;
    Observe(board, 0.04f, 0.02f);
    EXPECT_EQ(board._shownScore, 0) << "not before 0.05 s";
    const int expected[] = {100, 190, 271};
    for (const int value : expected) {
        Observe(board, 0.05f, 0.05f);
        EXPECT_EQ(board._shownScore, value);
    }
    std::vector<int> seen;
    for (int i = 0; i < 200 && board._shownScore != board._score; ++i) {
        Observe(board, 0.05f, 0.05f);
        seen.push_back(board._shownScore);
    }
    ASSERT_GE(seen.size(), 2u);
    EXPECT_EQ(seen.back(), 1000);
    EXPECT_EQ(seen[seen.size() - 1] - seen[seen.size() - 2], 1) << "the last steps are of 1";
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));

    // Down as well, never past the score.
    board._score = 0;
    Observe(board, 0.05f, 0.05f);
    EXPECT_EQ(board._shownScore, 900);
}

TEST_F(BoardClockTest, TheArtefactFlashRepeatsEveryFifthOfTheTimeLeftButNotSoonerThanThirtySeconds)
{
    struct Case {
        float allowed, used, next;
    };
    const Case cases[] = {{400.0f, 50.0f, 70.0f}, {400.0f, 300.0f, 30.0f}, {100.0f, 0.0f, 30.0f}};
    int boardNumber = 0;
    for (const Case& c : cases) {
        ActivePlayer().timeToLevel = c.allowed;
        ActivePlayer().levelTime = c.used;
        GameField& board = MakeLiveBoard({{0, kPiece, 2}, {1, 2, kPiece + 1}}, "Field" + std::to_string(++boardNumber));
        board.StartArtefactFlash();
        EXPECT_FLOAT_EQ(board._artefactFlashTime, c.next) << c.allowed << " " << c.used;
        EXPECT_EQ(Controllers<ArtefactFlash>(board, "ArtefactFlash").size(), 2u);
    }

    // The observer starts it when its time has run down, and again after
    // the interval.
    ActivePlayer().timeToLevel = 100.0f;
    ActivePlayer().levelTime = 0.0f;
    GameField& board = MakeLiveBoard({{0, kPiece, 2}}, "Watched");
    board._artefactFlashTime = 1.0f;
    Observe(board, 0.9f);
    EXPECT_TRUE(Controllers(board, "ArtefactFlash").empty());
    Observe(board, 0.2f);
    EXPECT_EQ(Controllers(board, "ArtefactFlash").size(), 1u);
    EXPECT_GT(board._artefactFlashTime, 29.0f);
}

TEST_F(BoardClockTest, APieceGlowsAfterItsDelayAndReturnsToRest)
{
    GameField& board = MakeLiveBoard({{0, kPiece, 2}});
    board._artefactFlashTime = 1000.0f;
    std::fill(std::begin(board._pieceGlow), std::end(board._pieceGlow), ArtefactFlash::kRestGlow);
    SeedRandom(7);
    auto* flash = new ArtefactFlash(&board, kPiece - kKindArtefact);
    const float delay = -flash->_time;
    EXPECT_GE(delay, 0.8f);
    EXPECT_LE(delay, 1.7f);
    EXPECT_GE(flash->Rate(), 0.5f);
    EXPECT_LE(flash->Rate(), 0.8f);
    board.AddController(flash);

    float& glow = board._pieceGlow[kPiece - kKindArtefact];
    Frames(delay - 0.05f);
    EXPECT_FLOAT_EQ(glow, 2.0f) << "still waiting";
    float peak = 0.0f;
    for (int i = 0; i < 300 && !Controllers(board, "ArtefactFlash").empty(); ++i) {
        Frames(kFrameStep);
        peak = std::max(peak, glow);
    }
    EXPECT_TRUE(Controllers(board, "ArtefactFlash").empty());
    EXPECT_GT(peak, 6.5f);
    EXPECT_FLOAT_EQ(glow, 2.0f);
}

TEST_F(BoardClockTest, TheTimerBarFillsInTwoAndAHalfSecondsAfterASecond)
{
    GameField& board = MakeLiveBoard({{0, 1, 2}});
    board._stopTime = true; // as at a level's start, until the first move
    board._timerVisible = false;
    board.AddController(new FillTimer(&board));
    EXPECT_EQ(board._elapsed, 100.0f) << "the bar starts empty";
    EXPECT_TRUE(board._timerVisible);
    EXPECT_TRUE(board._fillTimerStarted);

    const struct {
        float at, elapsed;
    } checks[] = {{0.9f, 100.0f}, {2.25f, 50.0f}, {3.4f, 4.0f}};
    float now = 0.0f;
    for (const auto& check : checks) {
        Frames(check.at - now, 0.01f);
        now = check.at;
        EXPECT_NEAR(board._elapsed, check.elapsed, 1.0f) << check.at;
    }
    Frames(0.2f, 0.01f);
    EXPECT_TRUE(Controllers(board, "FillTimer").empty());
    EXPECT_EQ(board._elapsed, 0.0f);
}

TEST_F(BoardClockTest, IceSpreadsAtMostOnceASecondAndWaitsWhileTheBoardIsBlocked)
{
    WatchedField& board = MakeLevelBoard();
    LayOut(board, {{0, 1, 2, 3, 4, 0, 1}, {1, 2, 3, kKindIce + 4, 0, 1, 2}, {2, 3, 4, 0, 1, 2, 3}});
    board._iceClock = 0.0f;
    const auto iced = [&board] {
        return std::count_if(board._squares.begin(), board._squares.end(),
                             [](const std::unique_ptr<Square>& s) { return (s->kind & 0xF0) == kKindIce; });
    };
    Observe(board, 0.9f);
    EXPECT_EQ(iced(), 1);
    Observe(board, 0.2f);
    EXPECT_EQ(iced(), 2);
    Observe(board, 0.7f);
    EXPECT_EQ(iced(), 2) << "not twice within a second";

    // Due while the board is blocked: it spreads as soon as the board is free.
    board._isBlocked = true;
    Observe(board, 1.5f);
    EXPECT_EQ(iced(), 2);
    board._isBlocked = false;
    Observe(board, kFrameStep);
    EXPECT_EQ(iced(), 3);
}
