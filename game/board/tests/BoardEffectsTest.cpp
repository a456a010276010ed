// The effects that take squares off the board: thrown, shattered and musor
// destroyers, the movers of bonuses, lives and artefact pieces, and the swap
// bonus's movers.

#include "PlayFixture.h"

#include "game/board/effects/ArtefactMover.h"
#include "game/board/effects/BonusMover.h"
#include "game/board/effects/LifeBonusDownMover.h"
#include "game/board/effects/MusorDestroyer.h"
#include "game/board/effects/SquareDestroyerShatter.h"
#include "game/board/effects/SquareDestroyerThrow.h"
#include "game/board/effects/SwapBonusSquareMover.h"
#include "game/state/ArtefactCatalogue.h"
#include "game/state/GameInfo.h"
#include "gui/effects/EffectObserver.h"
#include "gui/effects/ParticleEffect.h"

namespace {

constexpr int E = PlayTest::kEmpty;

class BoardEffectsTest : public PlayTest {
protected:
    ~BoardEffectsTest() override { g_artefacts.Clear(); }

    // Frames until the effect has left the board; the seconds it took.
    static float LifeOf(const GameField& board, const FieldEffect* effect, float limit = 30.0f)
    {
        float t = 0.0f;
        while (t < limit && std::find(board._fieldEffects.begin(), board._fieldEffects.end(), effect) !=
                                board._fieldEffects.end()) {
            Frames(kFrameStep);
            t += kFrameStep;
        }
        return t;
    }
    // A catalogue of one artefact (stage 1) of two pieces.
    static void UseSmallCatalogue()
    {
        g_artefacts.Clear();
        Artefact& artefact = g_artefacts.Add();
        for (const Point& place : {Point(10, 20), Point(70, 30)}) {
            ArtefactElement& piece = artefact.elements.emplace_back();
            piece.x = place.x;
            piece.y = place.y;
            piece.width = 44;
            piece.height = 36;
        }
    }

    SampleRecorder _samples;
};

TEST_F(BoardEffectsTest, AChipThrownSidewaysEndsOffTheScreenWhileStillGoingUp)
{
    GameField& board = MakeLaidOutBoard({{0, 1}});
    auto* thrown = new SquareDestroyerThrow(board.FindSquare(1, 0), 3000.0f, 400.0f, -600.0f, 90.0f, &board);
    EXPECT_EQ(board._squares.size(), 1u) << "taken off the board at once";
    EXPECT_EQ(thrown->_drawPass, 1);
    EXPECT_EQ(thrown->GetName(), "Field_SquareDestroyer");
    board.AddController(thrown);
    float upward = 0.0f;
    const float life = [&]() {
        float t = 0.0f;
        while (!board._fieldEffects.empty() && t < 5.0f) {
            upward = thrown->_speedY;
            Frames(kFrameStep);
            t += kFrameStep;
        }
        return t;
    }();
    EXPECT_LT(life, 0.5f);
    EXPECT_GT(upward, 0.0f);
}

TEST_F(BoardEffectsTest, AThrownChipEndsAndIsFreedOnAnInactiveBoardTheHighThrowShrinksAway)
{
    GameField& board = MakeLaidOutBoard({{0, 1}});
    board._isActive = false;
    auto* thrown = new SquareDestroyerThrow(board.FindSquare(0, 0), 10.0f, 40.0f, -600.0f, 0.0f, &board);
    thrown->Update(0.1f);
    EXPECT_FLOAT_EQ(thrown->_square->position.x, 0.0f) << "still while the board is not active";
    EXPECT_TRUE(thrown->IsFinished());
    board.AddController(thrown);
    Frames(kFrameStep);
    EXPECT_TRUE(EffectsOf<SquareDestroyerThrow>(board).empty());

    auto* high = new SquareDestroyerThrowHigh(board.FindSquare(1, 0), 0.0f, 0.0f, 0.0f, 0.0f, &board);
    EXPECT_FLOAT_EQ(high->_size, 40.0f);
    board.AddController(high);
    EXPECT_NEAR(LifeOf(board, high), 0.5f, 3 * kFrameStep);
}

TEST_F(BoardEffectsTest, AShatterMakesEightShardsOrFourWithASidewaysPush)
{
    const struct {
        int pushX, pushY;
        std::size_t shards;
    } cases[] = {{0, 0, 8}, {0, -2, 8}, {1, 0, 4}, {-1, 0, 4}};
    for (const auto& c : cases) {
        GameField& board = MakeLaidOutBoard({{3}}, "Push" + std::to_string(c.pushX) + std::to_string(c.pushY));
        SquareDestroyerShatter shatter(board.FindSquare(0, 0), &board, c.pushX, c.pushY);
        EXPECT_EQ(shatter._shards.size(), c.shards) << c.pushX;
        EXPECT_TRUE(board._squares.empty());
        EXPECT_FLOAT_EQ(shatter._topV, 1.0f - 4.0f * 0.078125f);
    }
}

TEST_F(BoardEffectsTest, AShatterFadesFromTwoTenthsAndEndsTheFrameAfterItsTimeIsUp)
{
    GameField& board = MakeLaidOutBoard({{12}});
    auto* shatter = new SquareDestroyerShatter(board.FindSquare(0, 0), &board, 0, -1);
    EXPECT_FLOAT_EQ(shatter->_topV, 1.0f - 0.3125f) << "the covers' picture";
    board.AddController(shatter);
    shatter->_time = 0.2f;
    EXPECT_FLOAT_EQ(shatter->Alpha(), 255.0f);
    shatter->_time = 1.0f;
    EXPECT_FLOAT_EQ(shatter->Alpha(), 0.0f);
    shatter->_time = 0.0f;
    // Its time runs at 0.2 a second: five seconds, and one frame more.
    float t = 0.0f;
    while (shatter->_time < 1.0f && t < 6.0f) {
        Frames(kFrameStep);
        t += kFrameStep;
    }
    EXPECT_NEAR(t, 5.0f, 2 * kFrameStep);
    ASSERT_EQ(board._fieldEffects.size(), 1u);
    Frames(kFrameStep);
    EXPECT_TRUE(board._fieldEffects.empty());
}

TEST_F(BoardEffectsTest, AMusorStartsAtRestAndFadesOnlyOnceFallingFast)
{
    GameField& board = MakeLaidOutBoard({{0}});
    auto* musor = new MusorDestroyer(395.0f, 150.0f, 0.0f, &board);
    EXPECT_EQ(musor->_drawPass, 2);
    board.AddController(musor);
    EXPECT_FLOAT_EQ(musor->_speedY, 0.0f);
    for (int frame = 0; frame < 300; ++frame) {
        const float alpha = musor->_alpha;
        Frames(kFrameStep);
        if (board._fieldEffects.empty())
            break;
        if (musor->_alpha < alpha)
            EXPECT_GT(musor->_speedY, 100.0f) << "frame " << frame;
        else
            EXPECT_FLOAT_EQ(musor->_alpha, 255.0f) << "frame " << frame;
    }
    EXPECT_TRUE(board._fieldEffects.empty()) << "ended below the screen";
}

TEST_F(BoardEffectsTest, ABonusMoverTakesItsBonusModuloFourToTheStock)
{
    GameField& board = MakeLaidOutBoard({{0}});
    board._stage = 1;
    board._level = 1;
    auto* mover = new BonusMover(400.0f, 150.0f, 0.0f, 32.0f, 52.0f, 0.0f, 5, 0.6f, &board);
    EXPECT_EQ(mover->Index(), 1);
    EXPECT_FLOAT_EQ(mover->_speed, 0.35f);
    EXPECT_EQ(mover->_drawPass, 3);
    EXPECT_EQ(board._artInFly, 1);
    EXPECT_EQ(board.CurrentLevelInfo().takedBonus[1], 1);
    EXPECT_EQ(_samples.Count("FallenVisBonus"), 1);
    EXPECT_FLOAT_EQ(mover->PathX(1.0f), 32.0f);
    EXPECT_FLOAT_EQ(mover->PathY(0.25f), 90.0f) << "lifted by 60 at the second key";
    board.AddController(mover);
    EXPECT_NEAR(LifeOf(board, mover), 1.0f / 0.35f, 2 * kFrameStep);
    EXPECT_EQ(board._bonusButtons[1].count, 1);
    EXPECT_EQ(ActivePlayer().bonusCount[1], 1);
    EXPECT_EQ(board._artInFly, 0);
    EXPECT_TRUE(board._checkMovesPending);
}

TEST_F(BoardEffectsTest, AMoverWhoseFlameIsGoneFliesOn)
{
    GameField& board = MakeLaidOutBoard({{0}});
    auto* mover = new BonusMover(400.0f, 150.0f, 0.0f, 32.0f, 52.0f, 0.0f, 0, 0.6f, &board);
    ASSERT_TRUE(mover->_flame.IsAlive());
    board.AddController(mover);
    // The flame (here without particles) ends and is deleted by its observer.
    g_effectObserver.Update(kFrameStep);
    EXPECT_FALSE(mover->_flame.IsAlive());
    EXPECT_NEAR(LifeOf(board, mover), 1.0f / 0.35f, 2 * kFrameStep);
    EXPECT_EQ(board._bonusButtons[0].count, 1);
}

TEST_F(BoardEffectsTest, ALifeBonusFliesToTheLivesScoresAndAddsALife)
{
    WatchedField& board = MakeLaidOutBoard({{0}});
    board._stage = 1;
    board._level = 1;
    auto* mover = new LifeBonusDownMover(415.0f, 170.0f, 0.0f, &board);
    EXPECT_EQ(mover->GetName(), "Field_BonusDownMover");
    EXPECT_EQ(board._artInFly, 1);
    EXPECT_EQ(_samples.Count("LifeBonusFly"), 1);
    EXPECT_FLOAT_EQ(mover->PathX(1.0f), 43.0f);
    EXPECT_FLOAT_EQ(mover->PathY(1.0f), 237.0f);
    board.AddController(mover);
    Frames(0.8f / 0.35f + kFrameStep);
    EXPECT_FALSE(mover->_climbing);
    Frames(1.0f);
    EXPECT_TRUE(board._fieldEffects.empty());
    EXPECT_EQ(board._score, 200);
    EXPECT_EQ(board.Calls("AddLifeEffect").size(), 1u);
    EXPECT_EQ(board.CurrentLevelInfo().takedBonus[4], 1);
    EXPECT_EQ(board._artInFly, 0);
}

TEST_F(BoardEffectsTest, AnArtefactPieceFliesThenArrivesAndTakesItsPlaceInOrder)
{
    WatchedField& board = MakeLaidOutBoard({{0}});
    board._artefactQueue = {0, 2, 5};
    auto* three = new ArtefactMover(Vector3(400.0f, 150.0f, 0.25f), Vector3(100.0f, 400.0f, 0.65f), 0x53, &board,
                                    0.5f, 0.7f);
    auto* seven = new ArtefactMover(Vector3(440.0f, 150.0f, 0.25f), Vector3(160.0f, 400.0f, 0.65f), 0x57, &board,
                                    0.1f, 0.7f);
    EXPECT_EQ(board._artInFly, 2);
    EXPECT_EQ(board._piecesThisMove, 2);
    EXPECT_EQ(ActivePlayer().pieces, 2);
    EXPECT_EQ(board._artefactTextPoint, Point(440, 150));
    board.AddController(three);
    board.AddController(seven);

    // The flight: the local time runs at half of 0.66 a second.
    Frames(2.9f);
    EXPECT_EQ(three->_phase, ArtefactMover::kFlying);
    EXPECT_EQ(board._artefactQueue, (std::vector<int>{0, 2, 5}));
    Frames(0.2f);
    EXPECT_EQ(three->_phase, ArtefactMover::kArrived);
    EXPECT_EQ(board._artefactQueue, (std::vector<int>{0, 2, 3, 5, 7}));
    EXPECT_FALSE(three->_flame.IsAlive()) << "the flame stops when the piece arrives";
    EXPECT_EQ(board._artInFly, 2);

    // The arrival: 2.55 a second, about 0.8 seconds; the flash waits for the
    // last piece.
    EXPECT_NEAR(LifeOf(board, three), 0.7f, 0.1f);
    EXPECT_TRUE(board._fieldEffects.empty());
    EXPECT_EQ(board._artInFly, 0);
    EXPECT_EQ(board.Calls("StartArtefactFlash").size(), 1u);
    EXPECT_TRUE(board._checkMovesPending);
}

TEST_F(BoardEffectsTest, PiecesBonusesLivesAndMusorLeaveFromTheLowestCellOfTheirColumn)
{
    UseSmallCatalogue();
    GameField& board = MakeLaidOutBoard({
        {0, 1, 2, 3, 4, 0},
        {0x41, 0x4C, 0x48, 0xD0, 0x51, 1},
    });
    board._stageIndex = 0;
    board._sunOffset = Point(24, 350);
    board.CheckBonusOrArtefactDown(true);
    EXPECT_TRUE(board._isBlocked);
    EXPECT_EQ(KindsOf(board), (Layout{{0, 1, 2, 3, 4, 0}, {E, E, E, E, E, 1}}));
    EXPECT_EQ(Controllers(board, "FallingRunner").size(), 1u);

    const auto bonuses = EffectsOf<BonusMover>(board);
    ASSERT_EQ(bonuses.size(), 1u);
    EXPECT_EQ(bonuses[0]->Index(), 1);
    EXPECT_FLOAT_EQ(bonuses[0]->_start.x, 355.0f);
    EXPECT_FLOAT_EQ(bonuses[0]->_end.x, board._bonusButtons[1].left);
    const auto lives = EffectsOf<LifeBonusDownMover>(board);
    ASSERT_EQ(lives.size(), 1u);
    EXPECT_FLOAT_EQ(lives[0]->_start.x, 355.0f + 40.0f + 20.0f);
    const auto musor = EffectsOf<MusorDestroyer>(board);
    ASSERT_EQ(musor.size(), 1u);
    EXPECT_FLOAT_EQ(musor[0]->_point.x, 355.0f + 120.0f);
    EXPECT_FLOAT_EQ(musor[0]->_point.y, 150.0f);
    const auto pieces = EffectsOf<ArtefactMover>(board);
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_FLOAT_EQ(pieces[0]->_start.x, 355.0f + 160.0f - 2.0f);
    EXPECT_FLOAT_EQ(pieces[0]->_start.y, 150.0f + 2.0f);
    EXPECT_FLOAT_EQ(pieces[0]->_end.x, 24.0f + 70.0f);
    EXPECT_FLOAT_EQ(pieces[0]->_end.y, 350.0f + 30.0f);
    EXPECT_EQ(board._artInFly, 3);
}

TEST_F(BoardEffectsTest, APieceTheArtefactLacksIsStillCarriedOffToTheAnchor)
{
    UseSmallCatalogue();
    for (int stageIndex : {0, 3}) {
        GameField& board = MakeLaidOutBoard({{0x59, 1}}, "Stage" + std::to_string(stageIndex));
        board._stageIndex = stageIndex; // stage 4 has no artefact; stage 1 no piece 9
        board.CheckBonusOrArtefactDown(false);
        const auto pieces = EffectsOf<ArtefactMover>(board);
        ASSERT_EQ(pieces.size(), 1u);
        EXPECT_FLOAT_EQ(pieces[0]->_start.x, 355.0f + 20.0f);
        EXPECT_FLOAT_EQ(pieces[0]->_end.x, static_cast<float>(board._sunOffset.x));
        EXPECT_FLOAT_EQ(pieces[0]->_end.y, static_cast<float>(board._sunOffset.y));
        EXPECT_EQ(board.FindSquare(0, 0), nullptr);
        EXPECT_TRUE(Controllers(board, "FallingRunner").empty());
        board._artefactQueue.clear();
        EXPECT_NEAR(LifeOf(board, pieces[0]), 1.0f / 0.33f + 1.0f / 1.275f, 0.1f);
        EXPECT_EQ(board._artefactQueue, std::vector<int>{9});
    }
    EXPECT_EQ(ActivePlayer().pieces, 2);
}

TEST_F(BoardEffectsTest, TheSwapBonusExchangesTwoChipsAndTheLastMoverChecksTheBoard)
{
    GameField& board = MakeLaidOutBoard({{0, 1, 2}, {3, 4, 0}});
    Square* a = board.FindSquare(0, 0);
    Square* b = board.FindSquare(2, 1);
    ASSERT_TRUE(board.DoSwapBonus(a, b));
    EXPECT_EQ(_samples.Count("FlyChipSwap"), 1);
    EXPECT_EQ(board._squares.size(), 4u);
    EXPECT_TRUE(board._isBlocked);
    EXPECT_EQ(board._swapBonusMovers, 2);
    EXPECT_TRUE(gameInfo.IsHintShow("SwapBonusTip"));
    ASSERT_TRUE(RunUntilFree(board));
    EXPECT_EQ(board.FindSquare(2, 1), a);
    EXPECT_EQ(board.FindSquare(0, 0), b);
    EXPECT_EQ(board._swapBonusMovers, 0);
    EXPECT_EQ(KindsOf(board), (Layout{{0, 1, 3}, {2, 4, 0}}));
    EXPECT_NE(board._traceLog.Lines().back().find("isBlocked=false in .\\GameField.cpp GameField::CheckMatch3"),
              std::string::npos);
}

TEST_F(BoardEffectsTest, TheSwapBonusRefusesEqualKindsAndCoveredChips)
{
    GameField& board = MakeLaidOutBoard({{0, 1, 0}, {0x12, 4, 3}});
    EXPECT_FALSE(board.DoSwapBonus(board.FindSquare(0, 1), board.FindSquare(2, 1)));
    EXPECT_FALSE(board.DoSwapBonus(board.FindSquare(0, 0), board.FindSquare(1, 1)));
    EXPECT_FALSE(board.DoSwapBonus(nullptr, board.FindSquare(1, 1)));
    EXPECT_EQ(_samples.Count("ChipWrongMove"), 2);
    EXPECT_FALSE(board._isBlocked);
    EXPECT_EQ(board._squares.size(), 6u);
}

TEST_F(BoardEffectsTest, AResetDuringTheSwapBonusLeavesNoSquareBehind)
{
    GameField& board = MakeLaidOutBoard({{0, 1, 2}, {3, 4, 0}});
    ASSERT_TRUE(board.DoSwapBonus(board.FindSquare(0, 0), board.FindSquare(2, 1)));
    Frames(0.5f);
    board.Reset();
    Frames(1.0f);
    EXPECT_TRUE(board._squares.empty());
    EXPECT_FALSE(board._isBlocked);
    EXPECT_EQ(board._swapBonusMovers, 0);
}

} // namespace
