#include "WidgetTestSupport.h"

#include "gui/widgets/CheckBox.h"
#include "gui/widgets/WidgetCreators.h"

#include <gtest/gtest.h>

namespace {

class CheckBoxTest : public ::testing::Test {
protected:
    std::unique_ptr<CheckBox> Make(const std::string& attributes, const std::string& children)
    {
        XmlElement element("<CheckBox name=\"Music\" " + attributes + ">" + children + "</CheckBox>");
        return std::unique_ptr<CheckBox>(static_cast<CheckBox*>(CreateCheckBox(element)));
    }
    // A 40 x 40 box at (100, 100).
    std::unique_ptr<CheckBox> MakeBox()
    {
        services.AddPicture("#boxOff", 40, 40);
        services.AddPicture("#boxOn", 40, 40);
        return Make("", "<position x=\"100\" y=\"500\"/><state on=\"#boxOn\" off=\"#boxOff\"/>");
    }

    FakeWidgetServices services;
    RecordingTextPainter painter;
};

TEST_F(CheckBoxTest, ReadsItsElement)
{
    services.AddPicture("#boxOff", 40, 30);
    auto box = Make("startupState=\"1\"", "<position x=\"100\" y=\"500\"/><font scale=\"0.5\" name=\"Small\"/>"
                                           "<text>Music</text><textPosition><p x=\"45\" y=\"3\"/></textPosition>"
                                           "<state off=\"#boxOff\"/>");
    EXPECT_TRUE(box->state);
    EXPECT_EQ(Point(100, 100), box->position);
    EXPECT_EQ(Point(40, 30), box->size);
    EXPECT_EQ("Small", box->font);
    EXPECT_FLOAT_EQ(0.5f, box->textScale);
    EXPECT_EQ("Music", box->text);
    EXPECT_EQ(Point(45, 3), box->textPosition);
    EXPECT_TRUE(box->fixed);
    EXPECT_EQ(16, box->margin);
}

TEST_F(CheckBoxTest, TheBoxIsHitTwoPixelsInside)
{
    struct Case {
        Point p;
        bool hit;
    };
    const Case cases[] = {
        {{102, 102}, true}, {{138, 138}, true}, {{101, 120}, false},
        {{139, 120}, false}, {{120, 101}, false}, {{120, 139}, false},
    };
    for (const Case& c : cases) {
        auto box = MakeBox();
        EXPECT_EQ(c.hit, box->MouseDown(c.p)) << c.p.x << "," << c.p.y;
        EXPECT_EQ(2, box->margin);
    }
}

TEST_F(CheckBoxTest, APressTogglesOnceUntilTheRelease)
{
    auto box = MakeBox();
    EXPECT_TRUE(box->MouseDown(Point(120, 120)));
    EXPECT_TRUE(box->MouseDown(Point(120, 120)));
    EXPECT_TRUE(box->state);
    EXPECT_EQ((std::vector<std::string>{"Music/Change/0"}), TakePosted());
    box->MouseUp(Point(120, 120));
    EXPECT_TRUE(box->MouseDown(Point(120, 120)));
    EXPECT_FALSE(box->state);
    EXPECT_EQ((std::vector<std::string>{"Music/Change/0"}), TakePosted());
}

TEST_F(CheckBoxTest, SetStateSwitchAndGetState)
{
    auto box = MakeBox();
    struct Case {
        std::string data;
        bool on;
    };
    const Case cases[] = {{"5", true}, {"0", false}, {"1", true}, {"-1", false}, {"1", true}, {"yes", false}};
    for (const Case& c : cases) {
        box->AcceptMessage(Message("SetState", c.data));
        EXPECT_EQ(c.on, box->state) << c.data;
        EXPECT_EQ(c.on ? "1" : "0", box->QueryState(Message("GetState")).data);
    }
    box->AcceptMessage(Message("Switch"));
    EXPECT_TRUE(box->state);
    EXPECT_TRUE(TakePosted().empty());
    const Message answer = box->QueryState(Message("GetState"));
    EXPECT_EQ("Music", answer.publisher);
    EXPECT_EQ("", box->QueryState(Message("GetPos")).publisher);
}

TEST_F(CheckBoxTest, CaptionIsLeftAlignedAndNotMovedDown)
{
    auto box = Make("", "<position x=\"100\" y=\"500\"/><text>Sound</text>");
    box->Draw();
    EXPECT_EQ((std::vector<std::string>{"SelectFont text", "DrawString 150,100 Sound 1 0 0"}), painter.calls);
}

} // namespace
