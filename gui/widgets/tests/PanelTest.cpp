#include "WidgetTestSupport.h"

#include "gui/widgets/Panel.h"
#include "gui/widgets/WidgetCreators.h"

#include <gtest/gtest.h>

namespace {

class PanelTest : public ::testing::Test {
protected:
    std::unique_ptr<Panel> Make(const std::string& attributes, const std::string& children)
    {
        XmlElement element("<Panel name=\"Back\" " + attributes + ">" + children + "</Panel>");
        return std::unique_ptr<Panel>(static_cast<Panel*>(CreatePanel(element)));
    }

    FakeWidgetServices services;
};

TEST_F(PanelTest, ReadsItsElement)
{
    Sprite* picture = services.AddPicture("#Back", 256, 128);
    auto panel = Make("freeze=\"true\" static=\"1\" scaleTextureToScreen=\"true\"",
                      "<position x=\"10\" y=\"300\"/><texture name=\"#Back\"/>");
    EXPECT_EQ(picture, panel->picture);
    EXPECT_EQ(Point(10, 300), panel->position);
    EXPECT_EQ(Point(256, 128), panel->size);
    EXPECT_TRUE(panel->fixed);
    EXPECT_TRUE(panel->ignoresMouse);
    EXPECT_TRUE(panel->scaleTextureToScreen);
    EXPECT_FALSE(panel->activeCursor);
}

TEST_F(PanelTest, AnUnregisteredPictureKeepsTheOldSize)
{
    services.AddPicture("#Back", 64, 32);
    auto panel = Make("", "<texture name=\"#Back\"/><texture name=\"#Missing\"/>");
    EXPECT_EQ(nullptr, panel->picture);
    EXPECT_EQ(Point(64, 32), panel->size);
}

TEST_F(PanelTest, EveryPressPostsPressButOnlyAHitIsTaken)
{
    services.AddPicture("#Back", 100, 100);
    auto panel = Make("", "<position x=\"0\" y=\"600\"/><texture name=\"#Back\"/>");
    EXPECT_FALSE(panel->MouseDown(Point(400, 400)));
    EXPECT_EQ((std::vector<std::string>{"Back/press/0"}), TakePosted());
    EXPECT_TRUE(panel->MouseDown(Point(50, 50)));
    EXPECT_TRUE(panel->pressed);
    EXPECT_EQ((std::vector<std::string>{"Back/press/0"}), TakePosted());
}

TEST_F(PanelTest, AStaticPanelPostsButNeverTakesThePress)
{
    services.AddPicture("#Back", 100, 100);
    auto panel = Make("static=\"true\"", "<position x=\"0\" y=\"600\"/><texture name=\"#Back\"/>");
    EXPECT_FALSE(panel->MouseDown(Point(50, 50)));
    EXPECT_FALSE(panel->pressed);
    EXPECT_EQ((std::vector<std::string>{"Back/press/0"}), TakePosted());
}

} // namespace
