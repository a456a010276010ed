#include "gui/InputMap.h"
#include "engine/platform/InputState.h"
#include "tests/support/RecordingWidget.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class InputRoutingTest : public testing::Test {
protected:
    void SetUp() override
    {
        g_inputWidgets.Clear();
        g_messageQueue.clear();
        g_input = InputState(&g_inputWidgets);
    }
    void TearDown() override
    {
        g_inputWidgets.Clear();
        g_messageQueue.clear();
        g_input = InputState(&g_inputWidgets);
    }

    RecordingWidget& Make(const std::string& name, const Rect& area)
    {
        _widgets.push_back(std::make_unique<RecordingWidget>(name, area, journal));
        return *_widgets.back();
    }
    static void Link(Widget& parent, Widget& child)
    {
        child.parent = &parent;
        parent.children.push_back(&child);
        child.offset = Point(child.position.x - parent.position.x, child.position.y - parent.position.y);
    }

    Journal journal;

private:
    std::vector<std::unique_ptr<RecordingWidget>> _widgets;
};

} // namespace

TEST_F(InputRoutingTest, HeldButtonSendsOnePressMovesAndOneRelease)
{
    RecordingWidget& w = Make("w", Rect(0, 0, 800, 600));
    w.fixed = true;
    g_inputWidgets.Add(&w);

    g_input.MouseMove(100, 500); // client coordinates, y downward
    g_input.MouseDown();
    g_input.MouseMove(110, 490);
    g_input.MouseDown(); // a second press without a release sends nothing
    g_input.MouseMove(120, 480);
    g_input.MouseUp();

    const Journal expected = {"w:move 100,100", "w:down",         "w:move 110,110", "w:move 120,120",
                              "w:up",           "w:move 120,120"};
    EXPECT_EQ(journal, expected);
    EXPECT_FALSE(g_input.buttonDown);
}

TEST_F(InputRoutingTest, EntriesAreServedInNameOrder)
{
    RecordingWidget& b = Make("b", Rect(0, 0, 10, 10));
    RecordingWidget& a = Make("a", Rect(0, 0, 10, 10));
    RecordingWidget& upper = Make("B", Rect(0, 0, 10, 10));
    g_inputWidgets.Add(&b);
    g_inputWidgets.Add(&a);
    g_inputWidgets.Add(&upper);
    g_input.OnChar('x');
    g_input.DoubleClick();
    const Journal expected = {"B:KeyPress 120", "a:KeyPress 120", "b:KeyPress 120", "B:double", "a:double",
                              "b:double"};
    EXPECT_EQ(journal, expected);
}

TEST_F(InputRoutingTest, AnEntryKeepsItsFirstWidget)
{
    RecordingWidget& first = Make("same", Rect(0, 0, 10, 10));
    RecordingWidget& second = Make("same", Rect(0, 0, 10, 10));
    g_inputWidgets.Add(&first);
    g_inputWidgets.Add(&second);
    EXPECT_EQ(g_inputWidgets.Find("same"), &first);
    EXPECT_EQ(g_inputWidgets.Size(), 1u);
}

TEST_F(InputRoutingTest, RootIsOfferedThePressAfterItsChildrenEachOnce)
{
    RecordingWidget& root = Make("root", Rect(0, 0, 400, 400));
    RecordingWidget& child = Make("child", Rect(10, 10, 50, 50));
    RecordingWidget& other = Make("other", Rect(300, 300, 50, 50));
    Link(root, child);
    Link(root, other);
    root.recordMoves = child.recordMoves = other.recordMoves = false;
    // A layer's input map holds children too.
    g_inputWidgets.AddLayerWidget(&root);
    g_inputWidgets.AddLayerWidget(&child);
    g_inputWidgets.AddLayerWidget(&other);

    g_input.MouseMove(20, 580); // screen (20, 20): over the child
    g_input.MouseDown();
    EXPECT_EQ(journal, (Journal{"root:down", "child:down", "other:down"}));
    EXPECT_TRUE(child.pressed);
    EXPECT_FALSE(root.pressed);
}

TEST_F(InputRoutingTest, ChildGetsOneMovePerMouseMove)
{
    RecordingWidget& root = Make("a", Rect(0, 0, 400, 400));
    RecordingWidget& child = Make("b", Rect(10, 10, 50, 50));
    Link(root, child);
    g_inputWidgets.AddLayerWidget(&root);
    g_inputWidgets.AddLayerWidget(&child);
    g_input.MouseMove(20, 580);
    EXPECT_EQ(journal, (Journal{"a:move 20,20", "b:move 20,20"}));
}

// A widget that keeps every press to itself and never offers one to its
// children, as a board does.
class SelfishWidget : public RecordingWidget {
public:
    using RecordingWidget::RecordingWidget;
    bool MouseDown(const Point&) override { return true; }
    void MouseMove(const Point&) override {}
};

TEST_F(InputRoutingTest, ABoxAddedOnItsOwnOverItsParentTakesAClick)
{
    Journal parentJournal;
    SelfishWidget board("board", Rect(0, 0, 800, 600), parentJournal);
    RecordingWidget& box = Make("box", Rect(100, 100, 200, 100));
    box.recordMoves = false;
    RecordingWidget& caption = Make("caption", Rect(0, 0, 10, 10));
    Link(board, box);
    Link(board, caption);
    g_inputWidgets.AddLayerWidget(&board);
    g_inputWidgets.AddLayerWidget(&caption);
    g_inputWidgets.Add(&box);

    caption.recordMoves = false;
    g_input.MouseMove(150, 450); // screen (150, 150): over the box
    EXPECT_TRUE(box.hovered);
    g_input.MouseDown();
    // The box gets its press once, directly; the board's other child gets
    // no press the board did not give it.
    EXPECT_EQ(journal, (Journal{"box:down"}));
    EXPECT_TRUE(box.pressed);
    g_input.MouseUp();

    g_inputWidgets.RemoveWidget(&box);
    journal.clear();
    g_input.MouseDown();
    EXPECT_EQ(journal, Journal{});
}

TEST_F(InputRoutingTest, EscapeAndEnterAreSentAndThenQueued)
{
    RecordingWidget& w = Make("w", Rect(0, 0, 10, 10));
    g_inputWidgets.Add(&w);
    PostMessage(Message("earlier"));

    g_input.OnChar(27);
    EXPECT_EQ(journal, (Journal{"w:KeyPress 27"}));
    ASSERT_EQ(g_messageQueue.size(), 2u);
    EXPECT_TRUE(g_messageQueue.back().is("Escape"));
    EXPECT_EQ(g_messageQueue.back().getData(), "");

    g_input.OnChar(13);
    EXPECT_TRUE(g_messageQueue.back().is("Enter"));
    g_input.OnChar('a');
    g_input.OnChar(8);
    EXPECT_EQ(g_messageQueue.size(), 3u);
}

TEST_F(InputRoutingTest, InputWithAnEmptyMapReachesNobody)
{
    g_input.MouseMove(1, 1);
    g_input.MouseDown();
    g_input.MouseUp();
    g_input.OnChar(65);
    EXPECT_TRUE(journal.empty());
    EXPECT_TRUE(g_messageQueue.empty());
}

namespace {

// Removes (and deletes) another entry, and adds a new one, when released.
class Remover : public Widget {
public:
    Remover(std::unique_ptr<Widget>& victim, Widget& newcomer, Journal& journal)
        : Widget("a")
        , _victim(victim)
        , _newcomer(newcomer)
        , _journal(journal)
    {
    }
    void MouseUp(const Point&) override
    {
        _journal.push_back("a:up");
        g_inputWidgets.Remove(_victim->name);
        _victim.reset();
        g_inputWidgets.Add(&_newcomer);
    }

private:
    std::unique_ptr<Widget>& _victim;
    Widget& _newcomer;
    Journal& _journal;
};

} // namespace

TEST_F(InputRoutingTest, SendsSurviveHandlersThatChangeTheMap)
{
    std::unique_ptr<Widget> victim = std::make_unique<RecordingWidget>("b", Rect(0, 0, 10, 10), journal);
    RecordingWidget& newcomer = Make("c", Rect(0, 0, 10, 10));
    RecordingWidget& last = Make("d", Rect(0, 0, 10, 10));
    Remover remover(victim, newcomer, journal);
    g_inputWidgets.Add(&remover);
    g_inputWidgets.Add(victim.get());
    g_inputWidgets.Add(&last);
    newcomer.recordMoves = last.recordMoves = false;

    g_input.MouseUp();
    // "b" is gone before its turn; "c" was not among the names when the send began.
    EXPECT_EQ(journal, (Journal{"a:up", "d:up"}));
    EXPECT_EQ(victim, nullptr);
    EXPECT_EQ(g_inputWidgets.Find("c"), &newcomer);
}

TEST_F(InputRoutingTest, RemovingAWidgetTakesItsChildrenOut)
{
    RecordingWidget& root = Make("root", Rect(0, 0, 100, 100));
    RecordingWidget& child = Make("child", Rect(0, 0, 10, 10));
    RecordingWidget& grandchild = Make("grandchild", Rect(0, 0, 5, 5));
    RecordingWidget& other = Make("other", Rect(0, 0, 10, 10));
    Link(root, child);
    Link(child, grandchild);
    g_inputWidgets.AddLayerWidget(&root);
    g_inputWidgets.AddLayerWidget(&child);
    g_inputWidgets.AddLayerWidget(&grandchild);
    g_inputWidgets.Add(&other);
    // An entry under another name that holds the same widget goes too.
    RecordingWidget& alias = Make("zalias", Rect(0, 0, 1, 1));
    g_inputWidgets.Add(&alias);
    alias.parent = &child;

    g_inputWidgets.RemoveWidget(&child);
    EXPECT_EQ(g_inputWidgets.Find("child"), nullptr);
    EXPECT_EQ(g_inputWidgets.Find("grandchild"), nullptr);
    EXPECT_EQ(g_inputWidgets.Find("zalias"), nullptr);
    EXPECT_EQ(g_inputWidgets.Find("root"), &root);
    EXPECT_EQ(g_inputWidgets.Find("other"), &other);

    g_inputWidgets.Remove("other");
    g_inputWidgets.Remove("never there");
    EXPECT_EQ(g_inputWidgets.Size(), 1u);
}
