// The mouse on the board: selecting, swapping by a second press or a drag,
// what a press may not take, the bonus buttons and a blocked board.

#include "PlayFixture.h"

#include "engine/platform/InputState.h"
#include "game/board/SquareKinds.h"
#include "game/board/SquareMover.h"
#include "game/state/GameInfo.h"

namespace {

constexpr int H = PlayTest::kHole;
constexpr int E = PlayTest::kEmpty;

// Five colours on the diagonals: no line and no move.
const PlayTest::Layout kDiagonals = {
    {0, 1, 2, 3, 4}, {1, 2, 3, 4, 0}, {2, 3, 4, 0, 1}, {3, 4, 0, 1, 2}, {4, 0, 1, 2, 3},
};

class BoardInputTest : public PlayTest {
protected:
    // A press at the button's lower left corner, inside it.
    static Point ButtonPoint(const GameField& board, int i)
    {
        const HoverRect& button = board._bonusButtons[i];
        return Point(static_cast<int>(button.left) + 5, static_cast<int>(button.top) + 5);
    }
    static void StockEveryBonus(GameField& board)
    {
        for (HoverRect& button : board._bonusButtons)
            button.count = 1;
    }

    SampleRecorder _samples;
};

// The right button as the window procedure records it, for one test.
struct RightButton {
    RightButton() { g_input.rightButton = true; }
    ~RightButton() { g_input.rightButton = false; }
};

TEST_F(BoardInputTest, APressAndAReleaseSelectAChip)
{
    GameField& board = MakeLaidOutBoard(kDiagonals);
    Square* chip = board.FindSquare(1, 1);
    EXPECT_TRUE(board.MouseDown(CellPoint(board, 1, 1)));
    EXPECT_TRUE(board._isPressed);
    EXPECT_FALSE(board._isSelected);
    EXPECT_TRUE(chip->selected);
    EXPECT_EQ(_samples.Count("ChipSelect"), 1);

    board.MouseUp(CellPoint(board, 1, 1));
    EXPECT_FALSE(board._isPressed);
    EXPECT_TRUE(board._isSelected);
    EXPECT_EQ(board._selectedCell, Point(1, 1));
    EXPECT_NE(board._traceLog.Lines().back().find("MouseDown in GameField Field"), std::string::npos);
}

class PressNothing : public BoardInputTest, public testing::WithParamInterface<int> {};

TEST_P(PressNothing, OnLocksStonesIceNotFallingChipsMusorEmptyCellsAndHoles)
{
    GameField& board = MakeLaidOutBoard({{GetParam(), 1, 2}, {2, 0, 1}});
    EXPECT_TRUE(board.MouseDown(CellPoint(board, 0, 1)));
    EXPECT_FALSE(board._isPressed);
    board.MouseUp(CellPoint(board, 0, 1));
    EXPECT_FALSE(board._isSelected);
    EXPECT_EQ(_samples.Count("ChipSelect"), 0);

    // Nor does one of them end a swap: the selected chip stays where it is.
    Click(board, 0, 0);
    ASSERT_TRUE(board._isSelected);
    Click(board, 0, 1);
    EXPECT_FALSE(board._isSelected);
    EXPECT_FALSE(board._isBlocked);
    EXPECT_TRUE(Controllers(board, "SquareMover").empty());
}

INSTANTIATE_TEST_SUITE_P(Kinds, PressNothing, testing::Values(0x13, 0x23, 0x30, 0xA3, 0xB3, 0xC3, 0xD0, E, H),
                         [](const testing::TestParamInfo<int>& info) {
                             return info.param == E ? std::string("EmptyCell")
                                    : info.param == H ? std::string("Hole")
                                                      : "Kind" + std::to_string(info.param);
                         });

TEST_F(BoardInputTest, APressTwoCellsAwayOnlyClearsTheSelection)
{
    GameField& board = MakeLaidOutBoard(kDiagonals);
    Click(board, 0, 0);
    ASSERT_TRUE(board._isSelected);
    EXPECT_TRUE(board.MouseDown(CellPoint(board, 2, 0)));
    EXPECT_FALSE(board._isSelected);
    EXPECT_FALSE(board._isPressed);
    board.MouseUp(CellPoint(board, 2, 0));
    EXPECT_FALSE(board._isSelected);
    EXPECT_FALSE(board.FindSquare(0, 0)->selected);
    EXPECT_FALSE(board.FindSquare(2, 0)->selected);
    EXPECT_TRUE(Controllers(board, "SquareMover").empty());
}

TEST_F(BoardInputTest, TheTopRightCornerIsLeftToTheWidgetsBehind)
{
    GameField& board = MakeLaidOutBoard(kDiagonals);
    const struct {
        Point p;
        bool taken;
    } cases[] = {{Point(701, 561), false}, {Point(799, 599), false}, {Point(700, 561), true}, {Point(701, 560), true}};
    for (const auto& c : cases)
        EXPECT_EQ(board.MouseDown(c.p), c.taken) << c.p.x << "," << c.p.y;
}

TEST_F(BoardInputTest, APressOnANeighbourSwapsAndTheMoversTakeTheirCells)
{
    GameField& board = MakeLaidOutBoard(kDiagonals);
    Square* first = board.FindSquare(1, 1);
    Square* second = board.FindSquare(2, 1);
    Click(board, 1, 1);
    board.MouseDown(CellPoint(board, 2, 1));
    EXPECT_TRUE(board._isBlocked);
    EXPECT_TRUE(board._isPlayerMove);
    EXPECT_FALSE(board._isSelected);
    EXPECT_TRUE(board._msg3Blocked);
    EXPECT_EQ(Controllers<SquareMover>(board, "SquareMover").size(), 2u);
    EXPECT_EQ(Controllers(board, "CheckMatchRunner").size(), 1u);
    EXPECT_EQ(board._squares.back().get(), first) << "the selected chip is drawn on top";

    // A swap lasts 0.2 seconds: the movers end with the squares in their
    // new cells, then the check sends the fruitless swap back.
    Frames(0.2f + 2 * kFrameStep);
    EXPECT_EQ(board.FindSquare(2, 1), first);
    EXPECT_EQ(board.FindSquare(1, 1), second);
    EXPECT_TRUE(board._isBlocked);
    ASSERT_TRUE(RunUntilFree(board));
    EXPECT_EQ(board.FindSquare(1, 1), first);
    EXPECT_EQ(board.FindSquare(2, 1), second);
    EXPECT_FLOAT_EQ(first->position.x, 40.0f);
    EXPECT_FALSE(board._msg3Blocked);
}

TEST_F(BoardInputTest, AnEmptyNeighbourIsNoSwap)
{
    GameField& board = MakeLaidOutBoard({{0, E, 1}, {2, 3, 4}});
    Click(board, 0, 1);
    ASSERT_TRUE(board._isSelected);
    board.MouseDown(CellPoint(board, 1, 1));
    EXPECT_FALSE(board._isBlocked);
    EXPECT_FALSE(board._isSelected);
    EXPECT_TRUE(Controllers(board, "SquareMover").empty());

    board.RunSwap(board.FindSquare(0, 0), nullptr);
    EXPECT_FALSE(board._isBlocked);
}

TEST_F(BoardInputTest, DragsWithinTheCellOutOfTheBoardAndOntoANeighbour)
{
    GameField& board = MakeLaidOutBoard(kDiagonals);
    const Point centre = CellPoint(board, 1, 1);

    board.MouseDown(centre);
    board.MouseMove(Point(centre.x + 15, centre.y - 15));
    EXPECT_TRUE(board._isPressed) << "within the cell";
    board.MouseMove(Point(board._originX - 30, centre.y));
    EXPECT_FALSE(board._isPressed) << "out of the board";
    EXPECT_FALSE(board.FindSquare(1, 1)->selected);
    board.MouseUp(Point(board._originX - 30, centre.y));
    EXPECT_FALSE(board._isSelected);
    EXPECT_FALSE(board._isBlocked);

    board.MouseDown(centre);
    board.MouseMove(CellPoint(board, 3, 1));
    EXPECT_TRUE(board._isPressed) << "two cells away";
    board.MouseMove(CellPoint(board, 1, 2));
    EXPECT_FALSE(board._isPressed);
    EXPECT_TRUE(board._isPlayerMove);
    EXPECT_TRUE(board._isBlocked);
    EXPECT_EQ(Controllers(board, "SquareMover").size(), 2u);
}

TEST_F(BoardInputTest, TheRightButtonClearsTheSelectionAndTheChosenBonus)
{
    GameField& board = MakeLaidOutBoard(kDiagonals);
    StockEveryBonus(board);
    Click(board, 3, 3);
    ASSERT_TRUE(board._isSelected);
    {
        RightButton right;
        EXPECT_TRUE(board.MouseDown(CellPoint(board, 3, 4)));
    }
    EXPECT_FALSE(board._isSelected);
    EXPECT_FALSE(board.FindSquare(3, 3)->selected);
    EXPECT_FALSE(board._isBlocked);

    board.MouseDown(ButtonPoint(board, 3));
    ASSERT_EQ(board._selectedBonus, 3);
    {
        RightButton right;
        board.MouseDown(CellPoint(board, 0, 0));
    }
    EXPECT_EQ(board._selectedBonus, -1);
    EXPECT_EQ(board._bonusButtons[3].state, HoverRect::kIdle);
}

TEST_F(BoardInputTest, WhileBlockedChipsTakeNoPressButTheButtonsButSwapStayLive)
{
    WatchedField& board = MakeLaidOutBoard(kDiagonals);
    StockEveryBonus(board);
    board.SetBlocked(true, "test");
    board.MouseDown(CellPoint(board, 1, 1));
    EXPECT_FALSE(board._isPressed);
    EXPECT_EQ(_samples.Count("ChipSelect"), 0);

    for (int i = 0; i < GameField::kBonusButtons; ++i) {
        board.ClearSelection();
        board.MouseDown(ButtonPoint(board, i));
        const bool live = i != 2;
        EXPECT_EQ(board._selectedBonus, live ? i : -1) << "button " << i;
        EXPECT_EQ(board._bonusButtons[i].state, live ? HoverRect::kChosen : HoverRect::kIdle) << "button " << i;
    }

    // The chosen bomb waits for the board to be free.
    board.ClearSelection();
    board.MouseDown(ButtonPoint(board, 3));
    board.MouseDown(CellPoint(board, 2, 2));
    EXPECT_TRUE(board.Calls("DoBombBonus").empty());
    EXPECT_EQ(board._bonusButtons[3].count, 1);
    board.SetBlocked(false, "test");
    board.MouseDown(CellPoint(board, 2, 2));
    EXPECT_EQ(board.Calls("DoBombBonus"), std::vector<std::string>{"DoBombBonus 2,2"});
    EXPECT_EQ(board._bonusButtons[3].count, 0);
    EXPECT_EQ(ActivePlayer().bonusCount[3], 0);
    EXPECT_EQ(board._selectedBonus, -1);
}

TEST_F(BoardInputTest, AChosenBonusShowsItsTipOnceTheTimeBonusFiresOnRelease)
{
    WatchedField& board = MakeLaidOutBoard(kDiagonals);
    StockEveryBonus(board);
    board.MouseDown(ButtonPoint(board, 0));
    EXPECT_EQ(board._tipSlot._titleShown, &board._bonusTips[3]);
    board.MouseUp(ButtonPoint(board, 0));
    gameInfo.ShowHint("BombBonusTip");
    board.MouseDown(ButtonPoint(board, 3));
    EXPECT_EQ(board._selectedBonus, 3);
    EXPECT_EQ(board._tipSlot._titleNext, nullptr) << "a tip the profile has seen is not shown again";

    board.MouseDown(ButtonPoint(board, 1));
    EXPECT_EQ(board._selectedBonus, 1);
    board.MouseUp(ButtonPoint(board, 1));
    EXPECT_EQ(board.Calls("AddTimeBonus").size(), 1u);
    EXPECT_EQ(board._selectedBonus, -1);
    EXPECT_EQ(board._bonusButtons[1].state, HoverRect::kIdle);
}

TEST_F(BoardInputTest, TheFlashBonusTakesOnlyAColourSquare)
{
    WatchedField& board = MakeLaidOutBoard({{0x30, 1, 2}, {2, 0, 1}});
    StockEveryBonus(board);
    board.MouseDown(ButtonPoint(board, 0));
    board.MouseDown(CellPoint(board, 0, 1));
    EXPECT_TRUE(board.Calls("StartWonderBonus").empty());
    EXPECT_EQ(board._selectedBonus, 0);
    board.MouseDown(CellPoint(board, 1, 1));
    EXPECT_EQ(board.Calls("StartWonderBonus"), std::vector<std::string>{"StartWonderBonus 1,1"});
    EXPECT_TRUE(gameInfo.IsHintShow("FlashBonusTip"));
    EXPECT_EQ(board._bonusButtons[0].count, 0);
}

TEST_F(BoardInputTest, TheSwapBonusTakesAPlainTileFirstAndSaysWhyItEndsOnAnyOther)
{
    // An artefact piece, a stone and plain chips.
    struct Case {
        int x, y;
        bool taken;
    };
    for (const Case& c : {Case{0, 1, false}, Case{1, 1, false}, Case{2, 1, true}}) {
        SCOPED_TRACE(c.x);
        WatchedField& board = MakeLaidOutBoard({{kKindArtefact, 0x30, 2}, {2, 0, 1}});
        StockEveryBonus(board);
        board.MouseDown(ButtonPoint(board, 2));
        ASSERT_EQ(board._selectedBonus, 2);
        const std::size_t before = _samples.Played().size();
        board.MouseDown(CellPoint(board, c.x, c.y));
        board.MouseUp(CellPoint(board, c.x, c.y));
        const std::vector<std::string> all = _samples.Played();
        const std::vector<std::string> played(all.begin() + static_cast<std::ptrdiff_t>(before), all.end());
        if (c.taken) {
            EXPECT_EQ(board._selectedBonus, 2);
            EXPECT_EQ(played, std::vector<std::string>{"ChipSelect"});
            EXPECT_TRUE(board.Calls("ScoreText").empty());
        } else if (c.x == 0) {
            // The piece: the choice ends with a word where it was pressed.
            EXPECT_EQ(board._selectedBonus, -1);
            EXPECT_EQ(played, std::vector<std::string>{"ChipWrongMove"});
            ASSERT_EQ(board.textPoints.size(), 1u);
            EXPECT_EQ(board.textPoints[0], CellPoint(board, c.x, c.y));
        } else {
            EXPECT_EQ(board._selectedBonus, 2) << "a stone is never pressed at all";
        }
        EXPECT_EQ(board._bonusButtons[2].count, 1) << "no swap was spent";
    }
}

TEST_F(BoardInputTest, TheHoverHighlightsTheChipUnderThePointer)
{
    GameField& board = MakeLaidOutBoard(kDiagonals);
    board.MouseMove(CellPoint(board, 2, 3));
    Square* chip = board.FindSquare(2, 3);
    EXPECT_EQ(board._highlightSquare, chip);
    EXPECT_TRUE(chip->highlighted);
    board.MouseMove(Point(100, 100));
    EXPECT_EQ(board._highlightSquare, nullptr);
}

} // namespace
