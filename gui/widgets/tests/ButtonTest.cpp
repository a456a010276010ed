#include "WidgetTestSupport.h"

#include "engine/platform/CustomCursor.h"
#include "gui/StringTable.h"
#include "gui/widgets/Button.h"
#include "gui/widgets/WidgetCreators.h"

#include <gtest/gtest.h>

namespace {

class ButtonTest : public ::testing::Test {
protected:
    std::unique_ptr<Button> Make(const std::string& children)
    {
        XmlElement element("<Button name=\"Ok\">" + children + "</Button>");
        return std::unique_ptr<Button>(static_cast<Button*>(CreateButton(element)));
    }

    FakeWidgetServices services;
    RecordingTextPainter painter;
};

TEST_F(ButtonTest, PositionIsTheLowerLeftCornerInAYDownFrame)
{
    auto button = Make("<position x=\"100\" y=\"500\"/>");
    EXPECT_EQ(Point(100, 100), button->position);
    EXPECT_EQ(Point(100, 100), button->offset);
}

TEST_F(ButtonTest, SizeComesFromTheStatePictureThenFromARectangle)
{
    services.AddPicture("#okNormal", 100, 40);
    auto fromPicture = Make("<position x=\"10\" y=\"500\"/><state normal=\"#okNormal\"/>");
    EXPECT_EQ(Point(100, 40), fromPicture->size);
    EXPECT_EQ(Point(50, 20), fromPicture->textPosition);
    EXPECT_EQ(10, fromPicture->rect.x);
    EXPECT_EQ(100, fromPicture->rect.y);
    EXPECT_EQ(100, fromPicture->rect.w);

    auto overridden = Make("<state normal=\"#okNormal\"/><rectangle x=\"5\" y=\"5\" width=\"60\" height=\"30\"/>");
    EXPECT_EQ(Point(60, 30), overridden->size);
    EXPECT_EQ(Point(30, 15), overridden->textPosition);
}

TEST_F(ButtonTest, TheLastPictureGivenSetsTheSize)
{
    services.AddPicture("#a", 100, 40);
    services.AddPicture("#b", 64, 20);
    services.AddPicture("#off", 300, 300);
    auto button = Make("<state normal=\"#a\" pressed=\"#b\" deactive=\"#off\"/>");
    EXPECT_EQ(Point(64, 20), button->size);
    EXPECT_TRUE(button->hasDeactivePicture);
}

TEST_F(ButtonTest, TurnedByNinetyDegreesSwapsTheHitBox)
{
    services.AddPicture("#okNormal", 100, 40);
    auto button = Make("<position x=\"0\" y=\"600\"/><state normal=\"#okNormal\"/><orient angle=\"90\"/>");
    EXPECT_EQ(1, button->orientation);
    EXPECT_EQ(Point(40, 100), button->size);
    EXPECT_EQ(40, button->rect.w);
    EXPECT_EQ(100, button->rect.h);
    EXPECT_TRUE(button->HitTest(Point(30, 90)));
    EXPECT_FALSE(button->HitTest(Point(90, 30)));

    auto odd = Make("<orient angle=\"45\"/>");
    EXPECT_EQ(0, odd->orientation);
}

TEST_F(ButtonTest, PressAndReleasePostsDownThenPressWithOneClick)
{
    auto button = Make("<position x=\"100\" y=\"500\"/><rectangle width=\"60\" height=\"30\"/>");
    const Point inside(120, 110);
    button->MouseMove(inside);
    EXPECT_TRUE(button->MouseDown(inside));
    button->MouseUp(inside);
    EXPECT_EQ((std::vector<std::string>{"Ok/down/0", "Ok/press/0"}), TakePosted());
    EXPECT_EQ((std::vector<std::string>{"ButtonClick"}), services.samples);
}

TEST_F(ButtonTest, ReleaseAfterMovingOffPostsDownOnly)
{
    auto button = Make("<position x=\"100\" y=\"500\"/><rectangle width=\"60\" height=\"30\"/>");
    button->MouseMove(Point(120, 110));
    button->MouseDown(Point(120, 110));
    button->MouseMove(Point(300, 300));
    button->MouseUp(Point(300, 300));
    EXPECT_EQ((std::vector<std::string>{"Ok/down/0"}), TakePosted());
    EXPECT_FALSE(button->pressed);
}

TEST_F(ButtonTest, ASecondPressWhilePressedPostsNoSecondDown)
{
    auto button = Make("<rectangle width=\"60\" height=\"30\"/>");
    button->MouseMove(Point(10, 10));
    button->MouseDown(Point(10, 10));
    button->MouseDown(Point(10, 10));
    EXPECT_EQ((std::vector<std::string>{"Ok/down/0"}), TakePosted());
}

TEST_F(ButtonTest, ActiveDisablesAndEnablesThePress)
{
    auto button = Make("<rectangle width=\"60\" height=\"30\"/>");
    button->AcceptMessage(Message("Active", 0));
    button->MouseMove(Point(10, 10));
    EXPECT_FALSE(button->MouseDown(Point(10, 10)));
    button->MouseUp(Point(10, 10));
    EXPECT_TRUE(TakePosted().empty());
    EXPECT_TRUE(services.samples.empty());

    button->AcceptMessage(Message("Active", 1));
    button->MouseMove(Point(10, 10));
    EXPECT_TRUE(button->MouseDown(Point(10, 10)));
    button->MouseUp(Point(10, 10));
    EXPECT_EQ((std::vector<std::string>{"Ok/down/0", "Ok/press/0"}), TakePosted());
}

TEST_F(ButtonTest, SetTextTakesStringIdsAndLiterals)
{
    StringTable table{{"Start", "Begin the journey"}};
    g_stringTable = &table;
    auto button = Make("<text>#Start</text>");
    EXPECT_EQ("Begin the journey", button->text);
    button->AcceptMessage(Message("SetText", "#Start"));
    EXPECT_EQ("Begin the journey", button->text);
    button->AcceptMessage(Message("SetText", "Plain words"));
    EXPECT_EQ("Plain words", button->text);
    button->AcceptMessage(Message("SetText", "#Unknown"));
    EXPECT_EQ("", button->text);
    g_stringTable = nullptr;
}

TEST_F(ButtonTest, TextPositionComesFromTheFirstChildOfAnyTag)
{
    auto button = Make("<textPosition><anything x=\"10\" y=\"-5\"/></textPosition>");
    EXPECT_EQ(Point(10, -5), button->textPosition);
    auto kept = Make("<rectangle width=\"60\" height=\"30\"/><textPosition/>");
    EXPECT_EQ(Point(30, 15), kept->textPosition);
}

TEST_F(ButtonTest, CaptionFontFollowsTheState)
{
    auto button = Make("<position x=\"100\" y=\"500\"/><rectangle width=\"60\" height=\"30\"/>"
                       "<font scale=\"1.5\" active=\"Hot\"/><text>Go</text>");
    button->Draw();
    button->MouseMove(Point(110, 110));
    button->Draw();
    button->MouseDown(Point(110, 110));
    button->Draw();
    EXPECT_EQ((std::vector<std::string>{"SelectFont ButtonNormal", "DrawString 130,115 Go 1.5 2 1", "SelectFont Hot",
                                        "DrawString 130,115 Go 1.5 2 1", "SelectFont ButtonPress",
                                        "DrawString 131,114 Go 1.5 2 1"}),
              painter.calls);
}

TEST_F(ButtonTest, ADisabledButtonShowsItsCaptionOnlyWithADeactivePicture)
{
    services.AddPicture("#grey", 60, 30);
    auto plain = Make("<text>Go</text>");
    plain->AcceptMessage(Message("Active", 0));
    plain->Draw();
    EXPECT_TRUE(painter.calls.empty());

    auto withPicture = Make("<state deactive=\"#grey\"/><text>Go</text>");
    withPicture->AcceptMessage(Message("Active", 0));
    withPicture->Draw();
    ASSERT_FALSE(painter.calls.empty());
    EXPECT_EQ("SelectFont ButtonNormalBW", painter.calls[0]);
}

TEST_F(ButtonTest, ADisabledButtonNeverShowsTheActiveCursor)
{
    CustomCursor cursor;
    g_cursor = &cursor;
    auto button = Make("<rectangle width=\"60\" height=\"30\"/>");
    button->MouseMove(Point(10, 10));
    EXPECT_EQ(CustomCursor::Image::Active, cursor.current);
    button->AcceptMessage(Message("Active", 0));
    button->MouseMove(Point(10, 10));
    EXPECT_EQ(CustomCursor::Image::Normal, cursor.current);
    g_cursor = nullptr;
}

TEST(ButtonCreator, NoNameNoButtonAndAnEmptyNameIsAName)
{
    XmlElement unnamed("<Button><position x=\"1\" y=\"2\"/></Button>");
    EXPECT_EQ(nullptr, CreateButton(unnamed));
    XmlElement empty("<Button name=\"\"/>");
    std::unique_ptr<Widget> button(CreateButton(empty));
    ASSERT_NE(nullptr, button);
    EXPECT_EQ("", button->name);
}

} // namespace
