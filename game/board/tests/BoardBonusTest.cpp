// The board's texts, sun effects, bonuses, bolts, frames and spark trains
// played on boards laid out cell by cell, with the square lifetimes they
// touch.

#include "PlayFixture.h"

#include "engine/render/Sprite.h"
#include "game/board/SquareLight.h"
#include "game/board/TimeBonus.h"
#include "game/board/WonderBonus.h"
#include "game/board/effects/ChipSunEnergy.h"
#include "game/board/effects/ComboText.h"
#include "game/board/effects/Flash.h"
#include "game/board/effects/KillerSun.h"
#include "game/board/effects/LevelContourLighting.h"
#include "game/board/effects/LevelLighting.h"
#include "game/board/effects/ScoreLevitation.h"
#include "game/board/effects/SimpleFrame.h"
#include "game/board/effects/SquareDestroyerShatter.h"
#include "game/board/effects/SquareDestroyerThrow.h"
#include "game/board/effects/SunRing.h"
#include "game/state/GameInfo.h"
#include "game/state/Player.h"
#include "gui/effects/ParticleEffect.h"

#include <cmath>

namespace {

constexpr int E = PlayTest::kEmpty;
constexpr int kMusor = 0xD0;

class BoardBonusTest : public PlayTest {
protected:
    static int ParticleEffects(const GameField& board) { return static_cast<int>(board.effects.effects.size()); }
    // A board of rows x columns holding chips of colours that make no line.
    static Layout NoLineBoard(int columns, int rows)
    {
        Layout layout(static_cast<std::size_t>(rows), std::vector<int>(static_cast<std::size_t>(columns)));
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < columns; ++c)
                layout[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = (c + 2 * r) % 4;
        return layout;
    }
    static int Count(const GameField& board, int kind)
    {
        return static_cast<int>(std::count_if(board._squares.begin(), board._squares.end(),
                                               [kind](const std::unique_ptr<Square>& s) { return s->kind == kind; }));
    }

    SampleRecorder _samples;
};

// ------------------------------------------------------------------ texts

TEST_F(BoardBonusTest, ScoreTextsGrowClimbAndFadeTheSilentOneShrinksAwayWithoutSparks)
{
    GameField& board = MakeLiveBoard({{0, 1}});
    struct Case {
        bool silent;
        int level;
        float endScale; // at local time 1
        int sparks;
    };
    for (const Case& c : {Case{true, 0, 0.0f, 0}, Case{false, 0, 0.4f, 1}, Case{false, 7, 0.96f, 1}}) {
        const int before = ParticleEffects(board);
        ScoreLevitation text("+15", Point(400, 300), &board, c.level, c.silent);
        EXPECT_EQ(text._drawPass, 3);
        EXPECT_NEAR(text.ScaleAt(1.0f), c.endScale, 1e-4f) << c.silent << c.level;
        EXPECT_NEAR(text.ScaleAt(0.0f), 0.0f, 1e-4f);
        EXPECT_EQ(text.AlphaAt(0.0f), 0);
        EXPECT_EQ(text.AlphaAt(1.0f), 0);
        EXPECT_EQ(text.AlphaAt(0.5f), 255);
        EXPECT_EQ(ParticleEffects(board) - before, c.sparks);
    }
}

TEST_F(BoardBonusTest, ARunOfThreeFloatsItsScoreForLittleMoreThanASecond)
{
    GameField& board = MakeLiveBoard({{1, 2, 3}, {0, 0, 0}});
    ASSERT_TRUE(board.CheckMatch3(false, false, true));
    const std::vector<ScoreLevitation*> texts = EffectsOf<ScoreLevitation>(board);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0]->_text, "+15");
    EXPECT_TRUE(texts[0]->_silent);
    Frames(1.0f);
    EXPECT_EQ(EffectsOf<ScoreLevitation>(board).size(), 1u);
    Frames(0.2f);
    EXPECT_TRUE(EffectsOf<ScoreLevitation>(board).empty());
}

TEST_F(BoardBonusTest, AChainPictureTurnsInFromAHalfTurnOverItsOwnPartOfTheTexture)
{
    GameField& board = MakeLiveBoard({{0}});
    Sprite picture;
    picture.imageWidth = 256;
    picture.imageHeight = 64;
    picture.textureWidth = 256;
    picture.textureHeight = 128;
    ComboText combo("", Point(400, 300), &board, &picture, 256, 64);
    EXPECT_TRUE(picture.keepLoaded);
    EXPECT_FLOAT_EQ(combo._uRight, 1.0f);
    EXPECT_FLOAT_EQ(combo._vLow, 0.5f);
    EXPECT_EQ(combo._quad.x, -128);
    EXPECT_EQ(combo._quad.y, -32);
    EXPECT_FLOAT_EQ(combo.RotationAt(0.0f), 180.0f);
    EXPECT_FLOAT_EQ(combo.RotationAt(1.0f), 0.0f);
    EXPECT_NEAR(combo.ScaleAt(0.5f), 0.8f, 1e-4f);
    EXPECT_EQ(combo.AlphaAt(1.0f), 0);
}

// -------------------------------------------------------------------- sun

TEST_F(BoardBonusTest, TheChipsOfAGroupChargeTheSunOnceWithTheCountAtTheFirstArrival)
{
    GameField& board = MakeLiveBoard({{0, 0, 0, 0, 0x30, 1}});
    for (int n = 0; n < 16; ++n)
        board._sunInc[n] = 0.01f * static_cast<float>(n);
    board.FlyChipToSun({Point(0, 0), Point(1, 0), Point(2, 0), Point(3, 0), Point(4, 0)});
    const std::vector<ChipSunEnergy*> flights = EffectsOf<ChipSunEnergy>(board);
    ASSERT_EQ(flights.size(), 1u);
    EXPECT_EQ(flights[0]->_chips.size(), 4u); // the stone is no chip
    Frames(0.05f);
    EXPECT_FLOAT_EQ(board._sunEnergy, 0.0f);
    // The first arrives after 0.4 to 0.6 seconds, the last by 1.2.
    Frames(0.7f);
    EXPECT_FLOAT_EQ(board._sunEnergy, 0.04f);
    Frames(2.0f);
    EXPECT_FLOAT_EQ(board._sunEnergy, 0.04f);
    EXPECT_EQ(_samples.Count("SunAdd"), 4);
    EXPECT_TRUE(EffectsOf<ChipSunEnergy>(board).empty());
}

TEST_F(BoardBonusTest, AFlightWithNoChipFeedsNothingAndStaysUntilStopped)
{
    GameField& board = MakeLiveBoard({{0x30, 0x41, E}});
    board._sunInc[0] = board._sunInc[3] = 0.5f;
    board.FlyChipToSun({Point(0, 0), Point(1, 0), Point(2, 0)});
    Frames(5.0f);
    ASSERT_EQ(EffectsOf<ChipSunEnergy>(board).size(), 1u);
    EXPECT_FLOAT_EQ(board._sunEnergy, 0.0f);
    board.StopController("ChipSunEnergy");
    Frames(kFrameStep * 2);
    EXPECT_TRUE(EffectsOf<ChipSunEnergy>(board).empty());
}

TEST_F(BoardBonusTest, ARayBendsAcrossItsLineAndSidewaysToAChipStraightAboveTheSun)
{
    struct Case {
        float sx, sy, x, y, b;
        float mx, my;
    };
    for (const Case& c : {Case{0, 0, 100, 0, 50, 50, 50},    // level: straight up by b
                          Case{0, 0, 100, 100, 20, 30, 70},  // slope 1
                          Case{140, 117, 140, 400, 30, 170, 258.5f}, // upright: sideways by b
                          Case{140, 117, 140, 117, -10, 130, 117}}) {
        float mx = 0.0f;
        float my = 0.0f;
        KillerSun::BendPoint(c.sx, c.sy, c.x, c.y, c.b, mx, my);
        EXPECT_FLOAT_EQ(mx, c.mx);
        EXPECT_FLOAT_EQ(my, c.my);
        EXPECT_TRUE(std::isfinite(mx) && std::isfinite(my));
    }
}

TEST_F(BoardBonusTest, TheSunStrikesEachTargetOnceTakesItsShareAndLetsTheBoardFall)
{
    GameField& board = MakeLiveBoard(NoLineBoard(4, 3));
    board._originX = 140 - 20; // column 0 straight above the sun point
    board._sunEnergy = 1.0f;
    board._sunComplete = true;
    const std::vector<Point> targets = {Point(0, 0), Point(0, 2), Point(3, 1)};
    board.AddController(new KillerSun(targets, &board));
    Frames(kFrameStep);
    EXPECT_TRUE(board._sunStrike);
    EXPECT_FALSE(board._sunComplete);
    EXPECT_TRUE(board._isBlocked == false || board._isBlocked == true);
    Frames(6.0f);
    EXPECT_TRUE(EffectsOf<KillerSun>(board).empty());
    EXPECT_EQ(_samples.Count("SunRay"), 3);
    EXPECT_EQ(_samples.Count("SunChipDestroy"), 3);
    EXPECT_FALSE(board._sunStrike);
    EXPECT_FLOAT_EQ(board._sunEnergy, 0.0f); // 1.0 less 3 x 0.4, not below 0
    ASSERT_TRUE(RunUntilFree(board));
    EXPECT_TRUE(IsSettledAndFull(board));
}

TEST_F(BoardBonusTest, TheSunTakesTheChipsUnderBonusesAndPiecesOneMusorAndTenChips)
{
    GameField& board = MakeLiveBoard({{1, 0x41, 2, 0, 3, 1},
                                      {0, 1, 0x50, 1, 0, 2},
                                      {1, 0, 3, 0, 2, kMusor},
                                      {kMusor, 2, 0, 2, 1, 0},
                                      {3, 1, 2, 3, 0, 2},
                                      {1, 3, 1, 0, 2, 1}});
    board.UpdateKindMap();
    const std::vector<Point> targets = board.SunTargets();
    auto has = [&targets](int x, int y) { return std::find(targets.begin(), targets.end(), Point(x, y)) != targets.end(); };
    EXPECT_TRUE(has(1, 4)); // under the bonus (1, 5)
    EXPECT_TRUE(has(2, 3)); // under the piece (2, 4)
    const int musor = static_cast<int>(has(0, 2)) + static_cast<int>(has(5, 3));
    EXPECT_EQ(musor, 1);
    EXPECT_EQ(targets.size(), 13u);
    EXPECT_TRUE(std::is_sorted(targets.begin(), targets.end(), [](const Point& a, const Point& b) {
        return a.x != b.x ? a.x < b.x : a.y < b.y;
    }));
}

TEST_F(BoardBonusTest, ASunOverFewerThanTenChipsEndsItsDrawAndStrikesThemAll)
{
    GameField& board = MakeLiveBoard({{0, 1, 0x30}, {2, 3, kMusor}});
    board._sunComplete = true;
    board.DoSunBonus();
    EXPECT_EQ(_samples.Count("SunStart"), 1);
    EXPECT_TRUE(board._isBlocked);
    const std::vector<KillerSun*> strikes = EffectsOf<KillerSun>(board);
    ASSERT_EQ(strikes.size(), 1u);
    EXPECT_EQ(strikes[0]->_rays.size(), 5u); // four chips and the musor
}

TEST_F(BoardBonusTest, APressOnTheSunThatTheBusyBoardRefusesArmsNothing)
{
    GameField& board = MakeLiveBoard({{0, 1, 2}, {2, 3, 0}});
    board._sunComplete = true;
    const Point sun(board._sunPosition.x + 50, board._sunPosition.y + 50);
    const Point chip = CellPoint(board, 0, 0);
    struct Case {
        const char* what;
        bool blockedAtPress;
        bool blockedAtRelease;
        bool fires;
    };
    const Case cases[] = {
        {"a free board", false, false, true},
        {"blocked at the press", true, false, false},
        {"blocked at the release", false, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        _samples.Clear();
        board._sunComplete = true;
        board._isBlocked = c.blockedAtPress;
        board.MouseDown(sun);
        board._isBlocked = c.blockedAtRelease;
        board.MouseUp(sun);
        EXPECT_EQ(_samples.Count("SunStart"), c.fires ? 1 : 0);
        EXPECT_FALSE(board._sunCharging);
        // The next, unrelated click on a chip once the board is free fires nothing.
        board._isBlocked = false;
        board.MouseDown(chip);
        board.MouseUp(chip);
        EXPECT_EQ(_samples.Count("SunStart"), c.fires ? 1 : 0);
        Drain();
        board._isBlocked = false;
        board.ClearSelection();
    }
}

TEST_F(BoardBonusTest, RingsLightOneAfterAnotherAndTheWaveLastsItsTime)
{
    GameField& board = MakeLiveBoard({{0}});
    auto* ring = new SunRing(&board, 0.2f, Color(0, 120, 200, 255), 0.9f);
    board.AddController(ring);
    EXPECT_EQ(ring->RingAlpha(1, 0.0f), 0);
    EXPECT_EQ(ring->RingAlpha(1, 1.0f / 6.0f), 128); // the first at its top
    EXPECT_LT(ring->RingAlpha(18, 1.0f / 6.0f), 128);
    EXPECT_FLOAT_EQ(ring->RingPhase(18, 0.3f + 0.9f * 17.0f / 18.0f / 3.0f), ring->RingPhase(1, 0.3f));
    EXPECT_EQ(ring->RingAlpha(18, 1.0f), 0);
    Frames(4.9f);
    EXPECT_EQ(EffectsOf<SunRing>(board).size(), 1u);
    Frames(0.2f);
    EXPECT_TRUE(EffectsOf<SunRing>(board).empty());
}

// ---------------------------------------------------------------- bonuses

TEST_F(BoardBonusTest, TheTimeBonusGivesBackTimeNeverBelowNoneAndIsRefusedWhileOneRuns)
{
    GameField& board = MakeLiveBoard({{0}});
    ActivePlayer().timeToLevel = 100.0f;
    board._elapsed = 10.0f;
    board._stopTime = true; // the level's clock stands: only the bonus moves it
    board._bonusButtons[1].count = 2;
    board._hurryShown = true;
    board.AddTimeBonus();
    board.AddTimeBonus();
    EXPECT_EQ(_samples.Count("AddTime"), 1);
    EXPECT_EQ(Controllers<TimeBonus>(board, "TimeBonus").size(), 1u);
    EXPECT_TRUE(board._timeBonusRunning);
    EXPECT_FALSE(board._hurryShown);
    Frames(1.0f);
    EXPECT_FLOAT_EQ(board._elapsed, 10.0f); // held during the wait
    Frames(0.5f + 1.0f);
    EXPECT_GE(board._elapsed, 0.0f);
    EXPECT_LT(board._elapsed, 10.0f);
    Frames(2.0f);
    EXPECT_FLOAT_EQ(board._elapsed, 0.0f);
    EXPECT_FALSE(board._timeBonusRunning);
    EXPECT_EQ(board._bonusButtons[1].count, 1);
    EXPECT_EQ(ActivePlayer().bonusCount[1], 1);
    board.AddTimeBonus();
    EXPECT_EQ(_samples.Count("AddTime"), 2);
}

TEST_F(BoardBonusTest, TheHourglassBeingSpentNoLongerCountsInThePanel)
{
    struct Case {
        int stock;
        int shownWhileRunning;
        int shownAfter;
    };
    for (const Case& c : {Case{1, 0, 0}, Case{3, 2, 2}}) {
        SCOPED_TRACE(c.stock);
        GameField& board = MakeLiveBoard({{0}});
        ActivePlayer().timeToLevel = 100.0f;
        board._elapsed = 10.0f;
        board._stopTime = true;
        board._bonusButtons[1].count = c.stock;
        board._bonusButtons[0].count = 2;
        EXPECT_EQ(board.ShownBonusUses(1), c.stock);
        board.AddTimeBonus();
        Frames(0.1f);
        EXPECT_EQ(board._bonusButtons[1].count, c.stock) << "the stock falls when the time is back";
        EXPECT_EQ(board.ShownBonusUses(1), c.shownWhileRunning);
        EXPECT_EQ(board.ShownBonusUses(0), 2) << "the other buttons show their stock";
        Frames(4.0f);
        EXPECT_FALSE(board._timeBonusRunning);
        EXPECT_EQ(board.ShownBonusUses(1), c.shownAfter);
    }
}

TEST_F(BoardBonusTest, TheBombTakesThirteenCellsAndLeavesTheFarDiagonals)
{
    GameField& board = MakeLiveBoard(NoLineBoard(7, 7));
    board.DoBombBonus(3, 3);
    EXPECT_EQ(_samples.Count("Bomb"), 1);
    EXPECT_TRUE(gameInfo.IsHintShow("BombBonusTip"));
    EXPECT_EQ(EffectsOf<SquareDestroyerShatter>(board).size(), 13u);
    for (const Point& stays : {Point(1, 1), Point(5, 5), Point(1, 5), Point(5, 1), Point(2, 1), Point(3, 0)})
        EXPECT_NE(board.FindSquare(stays.x, stays.y), nullptr) << stays.x << "," << stays.y;
    EXPECT_FALSE(board._isPlayerMove);
    ASSERT_TRUE(RunUntilFree(board));
    EXPECT_TRUE(IsSettledAndFull(board));
}

TEST_F(BoardBonusTest, ABombInACornerTakesOnlyTheCellsThere)
{
    GameField& board = MakeLiveBoard(NoLineBoard(4, 4));
    board.DoBombBonus(0, 0);
    EXPECT_EQ(EffectsOf<SquareDestroyerShatter>(board).size(), 6u);
}

TEST_F(BoardBonusTest, TheThunderTakesIcedChipsAndSparesTheNotFallingCovers)
{
    GameField& board = MakeLiveBoard({{1, 0xA1, 0xB1, 0xC1}, {0x11, 2, 1, 3}});
    board.DoThunderBonus(0x41);
    EXPECT_EQ(EffectsOf<SquareDestroyerThrow>(board).size(), 3u); // 1, 0xA1's chip and the other 1
    EXPECT_EQ(Count(board, 0xB1), 1);
    EXPECT_EQ(Count(board, 0xC1), 1);
    EXPECT_EQ(Count(board, 0xA1), 0);
    // The ice and the lock each leave their chip uncovered.
    EXPECT_EQ(Count(board, 1), 2);
    EXPECT_EQ(Controllers(board, "FallingRunner").size(), 1u);
}

TEST_F(BoardBonusTest, TheFlashStrikesEveryChipOfItsColourAndEndsItsBolts)
{
    GameField& board = MakeLiveBoard({{2, 0, 1, 2}, {1, 2, 0, 3}});
    board.StartWonderBonus(0, 1);
    EXPECT_EQ(_samples.Count("FlashStart"), 1);
    const std::vector<WonderBonus*> flashes = Controllers<WonderBonus>(board, "WonderBonus");
    ASSERT_EQ(flashes.size(), 1u);
    EXPECT_EQ(flashes[0]->_pending.size(), 2u);
    Frames(0.4f);
    EXPECT_EQ(_samples.Count("Flash"), 2);
    ASSERT_TRUE(RunUntilFree(board));
    EXPECT_EQ(_samples.Count("Boom"), 3);
    EXPECT_TRUE(EffectsOf<Flash>(board).empty());
    EXPECT_TRUE(IsSettledAndFull(board));
}

TEST_F(BoardBonusTest, TheFlashOnALoneChipStrikesOnlyThatCell)
{
    GameField& board = MakeLiveBoard({{4, 0, 1}, {1, 2, 3}});
    board.StartWonderBonus(0, 1);
    const std::vector<WonderBonus*> flashes = Controllers<WonderBonus>(board, "WonderBonus");
    ASSERT_EQ(flashes.size(), 1u);
    EXPECT_TRUE(flashes[0]->_pending.empty());
    ASSERT_TRUE(RunUntilFree(board));
    EXPECT_EQ(_samples.Count("Flash"), 0);
    EXPECT_EQ(_samples.Count("Boom"), 1);
}

TEST_F(BoardBonusTest, ABoltTakesItsDirectionFromBothAxes)
{
    GameField& board = MakeLiveBoard({{0}});
    struct Case {
        int x0, y0, x1, y1;
        float degrees;
    };
    for (const Case& c : {Case{0, 0, 10, 0, 0.0f}, Case{0, 0, 0, 10, 90.0f}, Case{0, 0, -10, 0, 180.0f},
                          Case{0, 0, 0, -10, -90.0f}, Case{0, 0, -10, -10, -135.0f}, Case{5, 5, 5, 5, 0.0f}}) {
        Flash bolt(c.x0, c.y0, c.x1, c.y1, 1.0f, &board);
        EXPECT_NEAR(bolt.AngleDegrees(), c.degrees, 1e-3f) << c.x1 << "," << c.y1;
    }
    Flash still(5, 5, 5, 5, 1.0f, &board);
    EXPECT_FLOAT_EQ(still._length, 0.0f);
}

// ----------------------------------------------------------------- frames

TEST_F(BoardBonusTest, AFrameAboutTwoCellsLightsBothAndFadesAfterItsTime)
{
    GameField& board = MakeLiveBoard({{0, 1, 2}, {3, 4, 0}});
    board.ShowFrame(2, 0, 1, 0, 1.0f);
    const std::vector<SimpleFrame*> frames = EffectsOf<SimpleFrame>(board);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0]->_rect.x, board._originX + 40 - 4);
    EXPECT_EQ(frames[0]->_rect.y, board._originY - 4);
    EXPECT_EQ(frames[0]->_rect.w, 88);
    EXPECT_EQ(frames[0]->_rect.h, 48);
    EXPECT_EQ(Controllers(board, "SquareLight").size(), 2u);
    Frames(1.2f);
    EXPECT_EQ(EffectsOf<SimpleFrame>(board).size(), 1u); // fading
    Frames(0.3f);
    EXPECT_TRUE(EffectsOf<SimpleFrame>(board).empty());
}

TEST_F(BoardBonusTest, ATipFrameStaysWhileATipIsShownAndAnEndlessOneUntilStopped)
{
    GameField& board = MakeLiveBoard({{0}});
    board._isShowMessage = true;
    board.AddController(new SimpleFrame(100, 100, 40, 40, Color(255, 255, 255, 255), &board, 0.5f));
    Frames(3.0f);
    ASSERT_EQ(EffectsOf<SimpleFrame>(board).size(), 1u);
    EXPECT_FLOAT_EQ(EffectsOf<SimpleFrame>(board)[0]->_fade, 1.0f);
    board._isShowMessage = false;
    Frames(0.5f);
    EXPECT_TRUE(EffectsOf<SimpleFrame>(board).empty());

    for (float duration : {0.0f, -2.0f}) {
        auto* endless = new SimpleFrame(100, 100, 40, 40, Color(255, 255, 255, 255), &board, duration);
        EXPECT_FLOAT_EQ(endless->_speed, 0.0f);
        board.AddController(endless);
        Frames(5.0f);
        ASSERT_EQ(EffectsOf<SimpleFrame>(board).size(), 1u);
        EXPECT_TRUE(std::isfinite(endless->_time));
        EXPECT_FLOAT_EQ(endless->_fade, 1.0f);
        board.StopController("SimpleFrame");
        Frames(kFrameStep * 2);
        EXPECT_TRUE(EffectsOf<SimpleFrame>(board).empty());
    }
}

TEST_F(BoardBonusTest, SparksLeaveAnOpenPathRunRoundAClosedOneAndANullPathShowsNothing)
{
    GameField& board = MakeLiveBoard({{0}});
    const std::vector<Point> line = {Point(0, 0), Point(100, 0), Point(100, 100)};
    auto* open = new LevelLighting(10, 2.0f, 1.0f, line, 3, &board, Rect(0, 0, 800, 600), false, 1.0f, false);
    auto* closed = new LevelLighting(10, 2.0f, 1.0f, line, 3, &board, Rect(0, 0, 800, 600), false, 1.0f, true);
    EXPECT_FLOAT_EQ(open->_total, 200.0f);
    EXPECT_NEAR(closed->_total, 200.0f + std::sqrt(20000.0f), 1e-3f);
    board.AddController(open);
    board.AddController(closed);
    Frames(0.9f);
    EXPECT_EQ(EffectsOf<LevelLighting>(board).size(), 2u);
    Frames(0.3f);
    ASSERT_EQ(EffectsOf<LevelLighting>(board).size(), 1u);
    EXPECT_EQ(EffectsOf<LevelLighting>(board)[0], closed);
    Frames(5.0f);
    EXPECT_EQ(EffectsOf<LevelLighting>(board).size(), 1u);
    board.StopController("LevelLighting");
    Frames(kFrameStep * 2);

    // A path of no length: nothing to run along, done at once.
    auto* none = new LevelLighting(10, 2.0f, 1.0f, {Point(5, 5), Point(5, 5)}, 3, &board, Rect(0, 0, 800, 600),
                                   false, 1.0f, false);
    EXPECT_TRUE(none->_sparks.empty());
    board.AddController(none);
    Frames(kFrameStep * 2);
    EXPECT_TRUE(EffectsOf<LevelLighting>(board).empty());

    // Following the timer of a level without time shows nothing.
    board._levelTime = 0.0f;
    LevelLighting timer(10, 2.0f, 1.0f, line, 3, &board, Rect(0, 0, 800, 600), true, 1.0f, false);
    float shift = 1.0f;
    EXPECT_FALSE(timer.TimerShift(shift));
    board._levelTime = 100.0f;
    board._elapsed = 50.0f;
    EXPECT_TRUE(timer.TimerShift(shift));
    EXPECT_FLOAT_EQ(shift, 305.0f - 236.0f);
}

TEST_F(BoardBonusTest, TheOutlinesBandOfLightCrossesTheScreenOnceOverItsLife)
{
    GameField& board = MakeLiveBoard({{0}});
    LevelContourLighting wave(0.5f, &board);
    wave._dx = 1;
    wave._dy = 1;
    wave._time = 0.5f; // the band's line through the origin of the screen
    // A full piece (alpha 255) on the line lights up to 230.
    EXPECT_EQ(wave.CornerAlpha(0.0f, 0.0f, 255.0f), 230);
    EXPECT_EQ(wave.CornerAlpha(300.0f, -300.0f, 255.0f), 230);
    EXPECT_EQ(wave.CornerAlpha(60.0f, 0.0f, 255.0f), 115);
    EXPECT_EQ(wave.CornerAlpha(0.0f, 120.0f, 255.0f), 0);
    EXPECT_EQ(wave.CornerAlpha(0.0f, 0.0f, 127.5f), 115);
    wave._time = 0.0f; // still far below the screen's corner
    EXPECT_EQ(wave.CornerAlpha(0.0f, 0.0f, 255.0f), 0);
    EXPECT_EQ(wave._drawPass, 2);
}

// -------------------------------------------------------------- lifetimes

TEST_F(BoardBonusTest, ALitChipShatteredLeavesItsLightWithNothingToTouch)
{
    GameField& board = MakeLiveBoard({{0, 1, 2}, {3, 4, 0}});
    board.ShowFrame(0, 0, 1, 0, 5.0f);
    ASSERT_EQ(Controllers(board, "SquareLight").size(), 2u);
    board.DestroySquare(0, 0, 0.0f, GameField::kDestroyShatter, 0, 0);
    board.DestroySquare(1, 0, 0.0f, GameField::kDestroyThrow, 0, 0);
    EXPECT_EQ(board.FindSquare(0, 0), nullptr);
    Frames(6.0f);
    board.StopController("SquareLight");
    Frames(kFrameStep * 2);
    EXPECT_EQ(board._squares.size(), 4u);
}

TEST_F(BoardBonusTest, AResetDuringASunStrikeEndsItOnAnEmptyFreeBoard)
{
    GameField& board = MakeLiveBoard(NoLineBoard(6, 6));
    board._sunComplete = true;
    board.DoSunBonus();
    Frames(1.2f);
    board.Reset();
    Frames(4.0f);
    EXPECT_TRUE(EffectsOf<KillerSun>(board).empty());
    EXPECT_FALSE(board._sunStrike);
    EXPECT_TRUE(board._squares.empty());
    EXPECT_FALSE(board._isBlocked);
}

TEST_F(BoardBonusTest, BoltsStoppedByNameUnderTheFlashAreNotTouchedAgain)
{
    GameField& board = MakeLiveBoard({{2, 0, 1, 2}, {1, 2, 0, 2}});
    board.StartWonderBonus(0, 1);
    Frames(0.5f);
    ASSERT_FALSE(EffectsOf<Flash>(board).empty());
    board.StopController("Flash");
    Frames(kFrameStep * 2);
    EXPECT_TRUE(EffectsOf<Flash>(board).empty());
    ASSERT_TRUE(RunUntilFree(board));
    EXPECT_EQ(_samples.Count("Boom"), 4);
    EXPECT_TRUE(IsSettledAndFull(board));
}

TEST_F(BoardBonusTest, ARestartDuringTheSwapBonusLandsNothingOnTheNewBoard)
{
    GameField& board = MakeLiveBoard({{0, 1, 2}, {3, 4, 0}});
    ASSERT_TRUE(board.DoSwapBonus(board.FindSquare(0, 0), board.FindSquare(2, 1)));
    Frames(0.5f);
    board.Restart();
    Frames(1.0f);
    EXPECT_TRUE(board._squares.empty());
    EXPECT_FALSE(board._isBlocked);
    EXPECT_EQ(board._swapBonusMovers, 0);
}

TEST_F(BoardBonusTest, AResetDuringTheFlashEndsItAndItsBolts)
{
    GameField& board = MakeLiveBoard({{2, 0, 1, 2}, {1, 2, 0, 3}});
    board.StartWonderBonus(0, 1);
    Frames(0.15f);
    board.Reset();
    Frames(1.0f);
    EXPECT_TRUE(Controllers(board, "WonderBonus").empty());
    EXPECT_TRUE(EffectsOf<Flash>(board).empty());
    EXPECT_TRUE(board._squares.empty());
}

} // namespace
