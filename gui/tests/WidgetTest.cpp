#include "gui/Widget.h"

#include "engine/platform/CustomCursor.h"
#include "engine/render/ImageData.h"
#include "gui/StringTable.h"
#include "gui/WidgetXml.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

#include <vector>

static bool operator==(const Rect& a, const Rect& b)
{
    return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}

static std::ostream& operator<<(std::ostream& out, const Rect& r)
{
    return out << "(" << r.x << ", " << r.y << ", " << r.w << ", " << r.h << ")";
}

namespace {

// Links a child the way the layer does: offset relative to the parent.
void Link(Widget& parent, Widget& child)
{
    child.parent = &parent;
    parent.children.push_back(&child);
    child.offset = Point(child.position.x - parent.position.x, child.position.y - parent.position.y);
}

class WidgetTest : public testing::Test {
protected:
    void SetUp() override { g_cursor = &cursor; }
    void TearDown() override { g_cursor = nullptr; }

    CustomCursor cursor;
};

} // namespace

TEST_F(WidgetTest, HitTestOnTheRectangleAndMargin)
{
    struct Case {
        int margin;
        Point p;
        bool hit;
    };
    const Case cases[] = {
        {0, {10, 20}, true},  {0, {110, 70}, true}, {0, {111, 70}, false}, {0, {9, 20}, false},
        {0, {10, 19}, false}, {5, {12, 30}, false}, {5, {15, 25}, true},   {5, {105, 65}, true},
        {5, {106, 65}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "margin " << c.margin << " at " << c.p.x << "," << c.p.y);
        Widget widget("w", Rect(10, 20, 100, 50));
        widget.margin = c.margin;
        EXPECT_EQ(widget.HitTest(c.p), c.hit);
    }
}

TEST_F(WidgetTest, HitTestWithAMask)
{
    // A 4 x 2 picture, rows from the bottom, four bytes per pixel; the first
    // byte of each pixel is what the test reads.
    std::vector<std::uint8_t> pixels(4 * 2 * 4, 0);
    auto set = [&](int x, int y, std::uint8_t value) { pixels[(y * 4 + x) * 4] = value; };
    set(0, 0, 200);
    set(1, 0, 201);
    set(3, 1, 255);
    ImageData mask; // the pixels stay ours
    mask.width = 4;
    mask.height = 2;
    mask.bytesPerPixel = 4;
    mask.pixels = pixels.data();

    Widget widget("w", Rect(100, 100, 10, 10)); // larger than the picture
    widget.mask = &mask;
    EXPECT_FALSE(widget.HitTest(Point(100, 100))); // 200 is not above the threshold
    EXPECT_TRUE(widget.HitTest(Point(101, 100)));
    EXPECT_TRUE(widget.HitTest(Point(103, 101))); // the row counts from the bottom
    EXPECT_FALSE(widget.HitTest(Point(103, 100)));
    EXPECT_FALSE(widget.HitTest(Point(105, 105))); // in the rectangle, outside the picture
    EXPECT_FALSE(widget.HitTest(Point(99, 100)));  // outside the rectangle
    widget.maskThreshold = 254;
    EXPECT_FALSE(widget.HitTest(Point(101, 100)));
    EXPECT_TRUE(widget.HitTest(Point(103, 101)));
}

TEST_F(WidgetTest, PressStartsADragAndReleaseEndsIt)
{
    Widget widget("w", Rect(100, 100, 100, 50));
    EXPECT_TRUE(widget.MouseDown(Point(120, 110)));
    EXPECT_TRUE(widget.pressed);
    EXPECT_EQ(cursor.current, CustomCursor::Image::Pressed);

    widget.MouseMove(Point(130, 115));
    EXPECT_EQ(widget.position, Point(110, 105));
    EXPECT_EQ(widget.rect, Rect(110, 105, 100, 50));
    EXPECT_TRUE(widget.hovered);

    widget.MouseUp(Point(130, 115));
    EXPECT_FALSE(widget.pressed);
    widget.MouseMove(Point(500, 500));
    EXPECT_EQ(widget.position, Point(110, 105));
    EXPECT_FALSE(widget.hovered);

    EXPECT_FALSE(widget.MouseDown(Point(10, 10)));
}

TEST_F(WidgetTest, DragIsClampedToTheScreenAndReanchored)
{
    Widget widget("w", Rect(600, 100, 100, 50));
    ASSERT_TRUE(widget.MouseDown(Point(610, 110)));
    widget.MouseMove(Point(760, 110));
    EXPECT_EQ(widget.position.x, 700);
    // Coming back moves the widget at once.
    widget.MouseMove(Point(750, 110));
    EXPECT_EQ(widget.position.x, 690);

    widget.MouseMove(Point(-500, 1000));
    EXPECT_EQ(widget.position, Point(0, 550));
    widget.MouseMove(Point(-490, 990));
    EXPECT_EQ(widget.position, Point(10, 540));
}

TEST_F(WidgetTest, FixedWidgetStaysButShowsHover)
{
    Widget widget("w", Rect(100, 100, 100, 50));
    widget.fixed = true;
    ASSERT_TRUE(widget.MouseDown(Point(120, 110)));
    widget.MouseMove(Point(150, 120));
    EXPECT_EQ(widget.position, Point(100, 100));
    EXPECT_TRUE(widget.hovered);
    EXPECT_EQ(cursor.current, CustomCursor::Image::Active);
}

TEST_F(WidgetTest, HoverSetsTheActiveCursorOnlyWhenAsked)
{
    struct Case {
        bool activeCursor;
        bool ignoresMouse;
        bool pressed;
        bool active;
    };
    const Case cases[] = {
        {true, false, false, true}, {true, true, false, false}, {false, false, false, false},
        {false, false, true, true}, {false, true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.activeCursor << c.ignoresMouse << c.pressed);
        cursor.SetNormal();
        Widget widget("w", Rect(0, 0, 100, 100));
        widget.fixed = true;
        widget.activeCursor = c.activeCursor;
        widget.ignoresMouse = c.ignoresMouse;
        widget.pressed = c.pressed;
        widget.MouseMove(Point(50, 50));
        EXPECT_TRUE(widget.hovered);
        EXPECT_EQ(cursor.IsActive(), c.active);
    }
}

TEST_F(WidgetTest, ChildTakesThePressOfAParentThatIgnoresTheMouse)
{
    Widget parent("parent", Rect(0, 0, 200, 200));
    parent.ignoresMouse = true;
    Widget child("child", Rect(50, 50, 20, 20));
    Link(parent, child);

    EXPECT_TRUE(parent.MouseDown(Point(55, 55)));
    EXPECT_TRUE(child.pressed);
    EXPECT_FALSE(parent.pressed);

    child.pressed = false;
    EXPECT_FALSE(parent.MouseDown(Point(150, 150)));
    EXPECT_FALSE(parent.pressed);
}

TEST_F(WidgetTest, EveryChildIsOfferedThePress)
{
    Widget parent("parent", Rect(0, 0, 200, 200));
    Widget first("first", Rect(50, 50, 20, 20));
    Widget second("second", Rect(50, 50, 20, 20));
    Link(parent, first);
    Link(parent, second);
    EXPECT_TRUE(parent.MouseDown(Point(55, 55)));
    EXPECT_TRUE(first.pressed);
    EXPECT_TRUE(second.pressed);
    EXPECT_FALSE(parent.pressed); // a child took it
}

TEST_F(WidgetTest, DraggedChildStaysUnderThePointer)
{
    Widget parent("parent", Rect(100, 100, 300, 300));
    parent.fixed = true;
    Widget child("child", Rect(110, 110, 20, 20));
    Link(parent, child);

    ASSERT_TRUE(parent.MouseDown(Point(115, 115)));
    ASSERT_TRUE(child.pressed);
    parent.MouseMove(Point(135, 120));
    EXPECT_EQ(child.position, Point(130, 115));
    EXPECT_EQ(child.offset, Point(30, 15));
    EXPECT_EQ(child.rect, Rect(130, 115, 20, 20));
    parent.MouseMove(Point(135, 120)); // a second move at the same point changes nothing
    EXPECT_EQ(child.position, Point(130, 115));
}

TEST_F(WidgetTest, ChildrenFollowTheirParent)
{
    Widget parent("parent", Rect(100, 100, 100, 100));
    Widget child("child", Rect(110, 120, 10, 10));
    Link(parent, child);
    ASSERT_TRUE(parent.MouseDown(Point(190, 190)));
    parent.MouseMove(Point(200, 195));
    EXPECT_EQ(parent.position, Point(110, 105));
    EXPECT_EQ(child.position, Point(120, 125));
}

TEST_F(WidgetTest, HiddenWidgetStillTakesAPress)
{
    Widget widget("w", Rect(0, 0, 10, 10));
    widget.setVisible(false);
    EXPECT_TRUE(widget.MouseDown(Point(5, 5)));
}

TEST_F(WidgetTest, PlainWidgetAnswersAnEmptyQuery)
{
    Widget widget("w");
    Message question("What", "state", 4);
    question.getVariables().setInt("n", 1);
    const Message answer = widget.QueryState(question);
    EXPECT_EQ(answer.getPublisher(), "");
    EXPECT_EQ(answer.getData(), "");
    EXPECT_EQ(answer.getIntegerParam(), 0);
    EXPECT_TRUE(answer.getVariables().Empty());
}

TEST_F(WidgetTest, SetPositionMovesDirectChildrenOnly)
{
    Widget parent("parent", Rect(0, 0, 100, 100));
    Widget child("child", Rect(10, 10, 10, 10));
    Widget grandchild("grandchild", Rect(12, 12, 2, 2));
    Link(parent, child);
    Link(child, grandchild);

    parent.SetPosition(Point(200, 500)); // y counted from the top
    EXPECT_EQ(parent.position, Point(200, 100));
    EXPECT_EQ(parent.offset, Point(200, 100));
    EXPECT_EQ(parent.rect, Rect(200, 100, 100, 100));
    EXPECT_EQ(child.position, Point(210, 110));
    EXPECT_EQ(child.rect, Rect(210, 110, 10, 10));
    EXPECT_EQ(grandchild.position, Point(12, 12));
}

TEST_F(WidgetTest, SetRectLeavesOffsetAndChildren)
{
    Widget parent("parent", Rect(0, 0, 100, 100));
    Widget child("child", Rect(10, 10, 10, 10));
    Link(parent, child);
    parent.offset = Point(3, 4);
    parent.SetRect(50, 60, 70, 80);
    EXPECT_EQ(parent.position, Point(50, 60));
    EXPECT_EQ(parent.size.x, 70);
    EXPECT_EQ(parent.size.y, 80);
    EXPECT_EQ(parent.rect, Rect(50, 60, 70, 80));
    EXPECT_EQ(parent.offset, Point(3, 4));
    EXPECT_EQ(child.position, Point(10, 10));
}

TEST_F(WidgetTest, SetColorReachesDirectChildrenOnly)
{
    Widget parent("parent");
    Widget child("child");
    Widget grandchild("grandchild");
    Link(parent, child);
    Link(child, grandchild);
    parent.setColor(Color(10, 20, 30, 40));
    EXPECT_EQ(parent.GetColor(), Color(10, 20, 30, 40));
    EXPECT_EQ(child.color, Color(10, 20, 30, 40));
    EXPECT_EQ(grandchild.color, Color());

    parent.SetColor(Color(1, 1, 1, 1));
    EXPECT_EQ(parent.color, Color(1, 1, 1, 1));
    EXPECT_EQ(child.color, Color(10, 20, 30, 40));
}

TEST_F(WidgetTest, SetTextLooksUpStringIds)
{
    const StringTable table = {{"Play", "Start the game"}};
    g_stringTable = &table;
    Widget widget("w");
    const struct {
        const char* given;
        const char* shown;
    } cases[] = {{"#Play", "Start the game"}, {"#Missing", ""}, {"Play", "Play"}, {"", ""}, {"a#b", "a#b"}};
    for (const auto& c : cases) {
        widget.text = "old";
        widget.SetText(c.given);
        EXPECT_EQ(widget.text, c.shown) << c.given;
    }
    g_stringTable = nullptr;
    widget.SetText("#Play");
    EXPECT_EQ(widget.text, "");
}

TEST(WidgetXml, ReadRectAndColorDefaults)
{
    TiXmlDocument doc;
    doc.Parse("<r><rect x=\"5\" height=\"7\"/><color g=\"300\" a=\"0\"/></r>");
    const Rect rect = ReadRect(doc.RootElement()->FirstChildElement("rect"));
    EXPECT_EQ(rect, Rect(5, 0, 0, 7));
    const Color color = ReadColor(doc.RootElement()->FirstChildElement("color"));
    EXPECT_EQ(color, Color(255, 300 & 0xFF, 255, 0));
}
