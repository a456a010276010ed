// The board's controllers and effects: names per board, the effect list and
// its draw passes, the shared knock clock, and the lifetimes of squares and
// boards under running controllers.

#include "BoardFixture.h"

#include "game/board/ChipKnockClock.h"
#include "game/board/GameFieldObserver.h"
#include "game/board/Square.h"
#include "game/board/SquareFall.h"
#include "game/board/effects/FieldAppearance.h"
#include "game/board/effects/FieldEffect.h"
#include "gui/GameFieldHook.h"
#include "gui/Layer.h"
#include "gui/WidgetFactory.h"

#include <tinyxml.h>

namespace {

// Writes what happens to it into a shared journal; finishes only when
// stopped.
class ProbeEffect : public FieldEffect {
public:
    ProbeEffect(const std::string& tag, int pass, GameField* field, std::vector<std::string>& journal)
        : FieldEffect("Probe", 1.0f, field), _tag(tag), _journal(journal)
    {
        _drawPass = pass;
    }
    ~ProbeEffect() override { _journal.push_back(_tag + ".deleted"); }

    void Update(float dt) override
    {
        _journal.push_back(_tag + ".update(" + std::to_string(static_cast<int>(dt * 1000.0f)) + ")");
        FieldEffect::Update(dt);
    }
    bool IsFinished() override { return _finished; }
    void Draw() override { _journal.push_back(_tag + ".draw"); }

private:
    std::string _tag;
    std::vector<std::string>& _journal;
};

// Holds a square until it leaves.
class HoldingController : public FieldController {
public:
    HoldingController(GameField* field, Square* square) : FieldController("Holder", field), held(square) {}
    void Update(float) override {}
    bool IsFinished() override { return _finished; }
    void OnSquareLeaving(const Square* square) override
    {
        if (square == held)
            held = nullptr;
    }
    Square* held;
};

class BoardControllersTest : public BoardTest {
protected:
    std::vector<std::string> _journal;
};

TEST_F(BoardControllersTest, TwoBoardsStopOnlyTheirOwnControllers)
{
    GameField& first = MakeBoard("Field");
    GameField& second = MakeBoard("MyField"); // its names end like the first board's
    auto* mine = new ProbeEffect("mine", 2, &first, _journal);
    auto* theirs = new ProbeEffect("theirs", 2, &second, _journal);
    first.AddController(mine);
    second.AddController(theirs);
    EXPECT_EQ(mine->GetName(), "Field_Probe");
    EXPECT_EQ(theirs->GetName(), "MyField_Probe");
    Frames(kFrameStep);

    first.StopController("Probe");
    Frames(kFrameStep);
    EXPECT_EQ(first._fieldEffects.size(), 0u);
    ASSERT_EQ(second._fieldEffects.size(), 1u);
    second.PauseController("Probe");
    EXPECT_TRUE(theirs->_paused);
    second.ResumeController("Probe");
    EXPECT_FALSE(theirs->_paused);
}

TEST_F(BoardControllersTest, BoardsOfOneNameReachOnlyTheirOwnControllers)
{
    // The stage boards share the widget name of their layer files.
    GameField& first = MakeBoard("GameField");
    GameField& second = MakeBoard("GameField");
    const auto make = [this](GameField& board, const char* tag) {
        auto* probe = new ProbeEffect(tag, 2, &board, _journal);
        board.AddController(probe);
        return probe;
    };
    ProbeEffect* mine = make(first, "mine");
    ProbeEffect* theirs = make(second, "theirs");
    Frames(kFrameStep);
    first.PauseController("Probe");
    EXPECT_TRUE(mine->_paused);
    EXPECT_FALSE(theirs->_paused);
    first.ResumeController("Probe");
    second.PauseController("Probe");
    second.ResumeController("Probe");
    EXPECT_FALSE(theirs->_paused);
    first.StopController("Probe");
    Frames(kFrameStep);
    EXPECT_EQ(first._fieldEffects.size(), 0u);
    EXPECT_EQ(second._fieldEffects.size(), 1u);

    // The reset's sweep also reaches controllers not yet running, and still
    // only its own board's: a falling square of the other board keeps falling.
    auto* falling = new ProbeEffect("falling", 2, &second, _journal);
    second.AddController(falling);
    auto* waiting = new ProbeEffect("waiting", 2, &first, _journal);
    first.AddController(waiting);
    first.StopControllerEverywhere("Probe");
    Frames(kFrameStep);
    EXPECT_EQ(first._fieldEffects.size(), 0u);
    EXPECT_EQ(second._fieldEffects.size(), 2u);
}

TEST_F(BoardControllersTest, AnEffectIsSteppedWithNoTimeBeforeItIsFirstDrawn)
{
    GameField& board = MakeBoard();
    auto* effect = new ProbeEffect("e", 2, &board, _journal);
    EXPECT_EQ(board._fieldEffects.back(), effect); // joins the list when made
    board.AddController(effect);
    kernel.FlushPending();
    board.DrawEffectsByPass();
    kernel.Update(0.5f);
    EXPECT_EQ(_journal, (std::vector<std::string>{"e.update(0)", "e.draw", "e.update(500)"}));
    EXPECT_FLOAT_EQ(effect->_time, 0.5f);
}

TEST_F(BoardControllersTest, PassesAreDrawnInOrderAndEachInCreationOrder)
{
    GameField& board = MakeBoard();
    for (const auto& made : {std::make_pair("a3", 3), std::make_pair("b1", 1), std::make_pair("c2", 2),
                             std::make_pair("d3", 3), std::make_pair("e1", 1)})
        board.AddController(new ProbeEffect(made.first, made.second, &board, _journal));
    board.DrawEffectsByPass();
    EXPECT_EQ(_journal, (std::vector<std::string>{"b1.draw", "e1.draw", "c2.draw", "a3.draw", "d3.draw"}));
}

TEST_F(BoardControllersTest, ADeletedEffectLeavesExactlyItsOwnEntry)
{
    GameField& board = MakeBoard();
    auto* a = new ProbeEffect("a", 2, &board, _journal);
    auto* b = new ProbeEffect("b", 2, &board, _journal);
    auto* c = new ProbeEffect("c", 2, &board, _journal);
    delete b;
    EXPECT_EQ(board._fieldEffects, (std::list<FieldEffect*>{a, c}));
    delete a;
    delete c;
    EXPECT_TRUE(board._fieldEffects.empty());
}

TEST_F(BoardControllersTest, StoppingByNameEndsAnEffectThatNeverFinishesByItself)
{
    GameField& board = MakeBoard();
    board.AddController(new ProbeEffect("e", 2, &board, _journal));
    Frames(1.0f);
    EXPECT_EQ(board._fieldEffects.size(), 1u);
    board.StopController("Probe");
    Frames(kFrameStep);
    EXPECT_TRUE(board._fieldEffects.empty());
    EXPECT_EQ(_journal.back(), "e.deleted");
}

TEST_F(BoardControllersTest, AnAppearanceBlocksTheBoardWithItsTraceLine)
{
    GameField& board = MakeBoard();
    FieldAppearance appearance(0.5f, FieldAppearance::kFromLeft, &board);
    EXPECT_TRUE(board._isBlocked);
    EXPECT_NE(board._traceLog.Lines().back().find("isBlocked=true in .\\Effect FieldAppearance::FieldAppearance Field"),
              std::string::npos);
    EXPECT_FALSE(appearance.IsFinished());
    appearance._finished = true;
    EXPECT_TRUE(appearance.IsFinished());
}

TEST_F(BoardControllersTest, AnAppearanceWaitsForItsDelayThenSweepsFromTheLeft)
{
    WriteLevels({LevelXml("L", {"11111", "11111"})});
    GameField& board = MakeBoard();
    board.LoadLevel("L");
    FieldAppearance appearance(1.0f, FieldAppearance::kFromLeft, &board, 0, 0.5f);
    appearance.Update(0.0f);
    appearance.Update(0.4f);
    EXPECT_EQ(board._cellFade[0][0], 0);
    appearance.Update(0.2f); // 0.1 s past the delay
    appearance.Update(0.4f); // local time 0.6
    EXPECT_EQ(board._cellFade[0][0], 255);
    EXPECT_LT(board._cellFade[4][1], 255);
    appearance.Update(0.5f);
    EXPECT_EQ(board._cellFade[4][1], 255);
    EXPECT_TRUE(appearance.IsFinished());

    FieldAppearance vanishing(1.0f, FieldAppearance::kDiagonal, &board, 1);
    EXPECT_TRUE(board._isVanishing);
    vanishing.Update(1.0f);
    EXPECT_EQ(board._cellFade[0][0], 0);
}

TEST_F(BoardControllersTest, TheKnockClockMovesOncePerFrameHoweverManyBoardsRun)
{
    constexpr float step = 0.125f;
    GameField& first = MakeBoard("A");
    MakeBoard("B");
    MakeBoard("C");
    Frames(kFrameStep);
    ChipKnockClock::Reset();
    Frames(step, step);
    EXPECT_FLOAT_EQ(ChipKnockClock::Value(), 0.125f);
    first.PauseController("GameFieldObserver");
    Frames(step, step);
    EXPECT_FLOAT_EQ(ChipKnockClock::Value(), 0.25f);
    DeleteBoard(first);
    Frames(4 * step, step);
    EXPECT_FLOAT_EQ(ChipKnockClock::Value(), 0.75f);
    kernel.Update(0.0f); // a step of 0 changes nothing
    EXPECT_FLOAT_EQ(ChipKnockClock::Value(), 0.75f);
    EXPECT_TRUE(ChipKnockClock::TakeKnock());
    EXPECT_FLOAT_EQ(ChipKnockClock::Value(), 0.0f);
    Frames(4 * step, step);
    EXPECT_FALSE(ChipKnockClock::TakeKnock()); // 0.5 s since the knock
    Frames(8 * step, step);
    EXPECT_FLOAT_EQ(ChipKnockClock::Value(), 1.0f); // it stops growing at 1
}

TEST_F(BoardControllersTest, ASquareLeavingTellsItsHoldersAndTheBoardForgetsIt)
{
    WriteLevels({LevelXml("L", {"111", "111"})});
    GameField& board = MakeBoard();
    board.LoadLevel("L");
    board.FillBoard();
    Square* square = board.FindSquare(1, 1);
    auto* holder = new HoldingController(&board, square);
    board.AddController(holder); // not yet running
    board._highlightSquare = square;
    board._swapFirst = square;
    board._swapSecond = board.FindSquare(0, 0);
    board._isSelected = true;
    board._selectedCell = Point(1, 1);

    std::unique_ptr<Square> taken = board.TakeSquare(square);
    EXPECT_EQ(taken.get(), square);
    EXPECT_EQ(holder->held, nullptr);
    EXPECT_EQ(board._highlightSquare, nullptr);
    EXPECT_EQ(board._swapFirst, nullptr);
    EXPECT_NE(board._swapSecond, nullptr);
    EXPECT_FALSE(board._isSelected);
    EXPECT_EQ(board._squares.size(), 5u);
    EXPECT_EQ(board.TakeSquare(square), nullptr); // no longer on the board
}

TEST_F(BoardControllersTest, AFallWhoseSquareLeavesEndsWithoutTouchingIt)
{
    WriteLevels({LevelXml("L", {"111", "111"})});
    GameField& board = MakeBoard();
    board.LoadLevel("L");
    board.FillBoard();
    board.DropInSquares(0.0f);
    Frames(0.1f);
    board.DeleteSquare(board.FindSquare(2, 1));
    Frames(kFrameStep);
    EXPECT_EQ(board._fallCount, 5);
    Frames(2.0f);
    EXPECT_EQ(board._fallCount, 0);
    EXPECT_FALSE(board._isBlocked);
}

TEST_F(BoardControllersTest, ABoardDeletedMidFallStopsItsControllersFirst)
{
    WriteLevels({LevelXml("L", {"1111", "1111", "1111"})});
    GameField& board = MakeBoard();
    board.LoadLevel("L");
    board.FillBoard();
    board.DropInSquares(0.0f);
    board.AddController(new FieldAppearance(0.5f, FieldAppearance::kFromCentre, &board));
    board.AcceptMessage(Message("RunStart"));
    Frames(0.3f);
    board.DropInSquares(0.0f); // more falls, waiting to be activated
    DeleteBoard(board);
    Frames(3.0f);
    int left = 0;
    kernel.ForEachController([&left](IController&) { ++left; });
    EXPECT_EQ(left, 0);
}

TEST_F(BoardControllersTest, ABoardRemovedFromItsLayerMidFallIsClean)
{
    WriteLevels({LevelXml("L", {"1111", "1111", "1111"})});
    g_widgetFactory.Register("GameField", CreateGameField);
    InstallGameFieldCreator();
    TiXmlDocument document;
    document.Parse("<Layer name=\"Board\"><Controls><GameField name=\"Field\" /></Controls></Layer>");
    {
        Layer layer(document.RootElement());
        auto* board = dynamic_cast<GameField*>(layer.getWidget("Field"));
        ASSERT_NE(board, nullptr);
        board->LoadLevel("L");
        board->FillBoard();
        board->DropInSquares(0.0f);
        Frames(0.4f);
        ASSERT_TRUE(board->_isBlocked);
        layer.RemoveWidget("Field");
        EXPECT_EQ(layer.getWidget("Field"), nullptr);
        Frames(3.0f);
    }
    SetGameFieldCreator(nullptr);
}

} // namespace
