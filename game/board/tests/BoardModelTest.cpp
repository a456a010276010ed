// The board's shared data: kinds, cells under a point, atlas cells, turned
// cells, angles, the pointer's tip text, the bonus buttons and the square's
// highlight.

#include "BoardFixture.h"

#include "game/board/BoardMath.h"
#include "game/board/HoverRect.h"
#include "game/board/Square.h"
#include "game/board/SquareKinds.h"
#include "game/board/ValueSlot.h"

#include <cmath>

namespace {

struct KindCase {
    int kind;
    bool matchable;
};

class KindPredicate : public ::testing::TestWithParam<KindCase> {};

TEST_P(KindPredicate, MatchableKindsAreTheColourSquares)
{
    EXPECT_EQ(IsSquareKind(GetParam().kind), GetParam().matchable) << GetParam().kind;
}

INSTANTIATE_TEST_SUITE_P(Edges, KindPredicate,
                         ::testing::Values(KindCase{-1, false}, KindCase{0, true}, KindCase{47, true},
                                           KindCase{48, false}, KindCase{159, false}, KindCase{160, true},
                                           KindCase{207, true}, KindCase{208, false}));

TEST(SquareKinds, FixedArtefactAndBonusKinds)
{
    for (int kind : {0x10, 0x2F, 0x30, 0xA3, 0xB0, 0xCF, 0xD0})
        EXPECT_TRUE(IsFixedKind(kind)) << kind;
    for (int kind : {-1, 0x0F, 0x40, 0x50, 0x9F, 0xD1})
        EXPECT_FALSE(IsFixedKind(kind)) << kind;
    EXPECT_FALSE(IsArtefactKind(0x4F));
    EXPECT_TRUE(IsArtefactKind(0x50));
    EXPECT_TRUE(IsArtefactKind(0x9F));
    EXPECT_FALSE(IsArtefactKind(0xA0));
    EXPECT_EQ(BonusNumber(0x40), 0);
    EXPECT_EQ(BonusNumber(0x43), 3);
    EXPECT_EQ(BonusNumber(0x48), -1); // bonus 5 is not a stock bonus
    EXPECT_EQ(BonusNumber(0x4C), -1);
    EXPECT_EQ(BonusNumber(0x03), -1);
}

class PointToCellTest : public BoardTest {};

TEST_F(PointToCellTest, BorderLinesAreOutsideAndTheLastColumnInside)
{
    GameField& board = MakeBoard();
    board.SetOrigin(100, 100);
    board._width = 3;
    board._height = 2;
    struct Case {
        int x, y;
        bool inside;
        int cellX, cellY;
    };
    const Case cases[] = {
        {100, 150, false, 0, 0}, // the left border line
        {150, 100, false, 0, 0}, // the bottom border line
        {101, 101, true, 0, 0},   {219, 101, true, 2, 0}, // the last column
        {220, 101, false, 0, 0},  {101, 179, true, 0, 1}, {101, 180, false, 0, 0},
    };
    for (const Case& c : cases) {
        Point cell;
        EXPECT_EQ(board.PointToCell(c.x, c.y, cell), c.inside) << c.x << ", " << c.y;
        if (c.inside) {
            EXPECT_EQ(cell.x, c.cellX) << c.x << ", " << c.y;
            EXPECT_EQ(cell.y, c.cellY) << c.x << ", " << c.y;
        }
    }
}

TEST(BoardMath, AtlasCellsRunSixARowFromTheTop)
{
    struct Case {
        int index;
        float u, v;
    };
    for (const Case& c : {Case{0, 0.0f, 0.84375f}, Case{5, 0.78125f, 0.84375f}, Case{7, 0.15625f, 0.6875f},
                          Case{12, 0.0f, 0.53125f}, Case{35, 0.78125f, 0.0625f}}) {
        float u = -1.0f, v = -1.0f;
        AtlasCellUV(c.index, u, v);
        EXPECT_FLOAT_EQ(u, c.u) << c.index;
        EXPECT_FLOAT_EQ(v, c.v) << c.index;
    }
}

TEST(BoardMath, QuarterTurnsOfACell)
{
    EXPECT_EQ(RotateCell(2, 5, 0), Point(2, 5));
    EXPECT_EQ(RotateCell(2, 5, 1), Point(5, -3));
    EXPECT_EQ(RotateCell(2, 5, 2), Point(-3, -6));
    EXPECT_EQ(RotateCell(2, 5, 3), Point(-6, 2));
}

TEST(BoardMath, AngleAndFalloffAtNoHorizontalDistance)
{
    EXPECT_FLOAT_EQ(Angle(0.0f, 3.0f), 1.570795f);
    EXPECT_FLOAT_EQ(Angle(0.0f, -3.0f), -1.570795f);
    EXPECT_FLOAT_EQ(Angle(0.0f, 0.0f), -1.570795f);
    EXPECT_FLOAT_EQ(Angle(-1.0f, 0.0f), 3.14159f);
    EXPECT_FLOAT_EQ(Angle(1.0f, 1.0f), std::atan(1.0f));

    EXPECT_FLOAT_EQ(Falloff(4.0f, 0.0f, 4.0f, 5.0f, 10.0f), std::cos(0.5f * 1.570795f));
    EXPECT_FLOAT_EQ(Falloff(4.0f, 0.0f, 4.0f, 0.0f, 10.0f), 1.0f);
    EXPECT_FLOAT_EQ(Falloff(4.0f, 0.0f, 4.0f, 10.0f, 10.0f), 0.0f);
}

TEST(ValueSlot, APushedTextWaitsForTheShownOneToFadeOutThenFadesIn)
{
    TextBlock first, second;
    ValueSlot slot;
    slot.Push(&first); // an empty slot shows it at once
    EXPECT_EQ(slot._titleShown, &first);
    EXPECT_TRUE(slot._titleFading);
    slot.Step(0.1f);
    EXPECT_FLOAT_EQ(slot._titleAlpha, 102.4f);
    slot.Step(0.2f);
    EXPECT_FLOAT_EQ(slot._titleAlpha, 255.0f);

    slot.Push(&second);
    EXPECT_EQ(slot._titleShown, &first);
    slot.Step(0.2f);
    EXPECT_EQ(slot._titleShown, &first);
    EXPECT_NEAR(slot._titleAlpha, 50.2f, 0.01f);
    slot.Step(0.05f); // past 255 / 1024 s
    EXPECT_EQ(slot._titleShown, &second);
    EXPECT_FLOAT_EQ(slot._titleAlpha, 0.0f);
    EXPECT_TRUE(slot._titleFading);
    slot.Step(0.25f);
    EXPECT_FLOAT_EQ(slot._titleAlpha, 255.0f);

    slot.Clear(); // fades out and ends empty
    slot.Step(0.3f);
    EXPECT_EQ(slot._titleShown, nullptr);
}

TEST(HoverRect, AButtonWithoutStockIsNeverHit)
{
    HoverRect button;
    button.left = 200.0f;
    button.top = 50.0f;
    button.size = 40;
    button.state = HoverRect::kHovered;
    button.count = 0;
    EXPECT_FALSE(button.Test(Point(210, 60)));
    EXPECT_EQ(button.state, HoverRect::kHovered);

    button.count = 1;
    EXPECT_FALSE(button.Test(Point(240, 60))); // the right edge is outside
    EXPECT_FALSE(button.Test(Point(210, 90)));
    EXPECT_EQ(button.state, HoverRect::kHovered);
    EXPECT_TRUE(button.Test(Point(200, 50)));
    EXPECT_EQ(button.state, HoverRect::kChosen);
}

class SquareTest : public BoardTest {};

TEST_F(SquareTest, HighlightPlaysOnlyOnAnUnselectedPlainSquareNotYetHighlighted)
{
    struct Case {
        const char* what;
        int kind;
        bool selected;
        bool highlighted;
        bool plays;
    };
    for (const Case& c : {Case{"plain", 3, false, false, true}, Case{"selected", 3, true, false, false},
                          Case{"bonus", 0x40, false, false, false}, Case{"highlighted", 3, false, true, false},
                          Case{"locked", 0x13, false, false, true}}) {
        Square square(0, 0, 0.0f, 0.0f, c.kind);
        square.anim.frameCount = 72;
        square.selected = c.selected;
        square.highlighted = c.highlighted;
        const int firstBefore = square.anim.first;
        const bool playingBefore = square.anim.playing;
        Square::PlayHighlight(&square);
        EXPECT_EQ(square.highlighted, c.plays || c.highlighted) << c.what;
        if (c.plays) {
            EXPECT_EQ(square.anim.first, 36) << c.what;
            EXPECT_EQ(square.anim.last, 71) << c.what;
            EXPECT_TRUE(square.anim.playing) << c.what;
        } else {
            EXPECT_EQ(square.anim.first, firstBefore) << c.what;
            EXPECT_EQ(square.anim.playing, playingBefore) << c.what;
        }
    }
    Square::PlayHighlight(nullptr);
    Square::Select(nullptr);
    Square::Deselect(nullptr);
    Square::RestoreFrame(nullptr);
}

TEST_F(SquareTest, ABouncingSquareSettlesOnItsRestingHeight)
{
    Square square(1, 2, 40.0f, 80.0f, 2);
    square.SetBounce(-100.0f, 0.25f, 800.0f, 80.0f);
    square.StartBounce();
    square.Update(0.1f);
    EXPECT_FLOAT_EQ(square.position.y, 80.0f + 0.1f * 100.0f - 800.0f * 0.01f / 2.0f);
    square.Update(0.2f);
    EXPECT_FALSE(square.IsBouncing());
    EXPECT_FLOAT_EQ(square.position.y, 80.0f);
}

} // namespace
