#include "WidgetTestSupport.h"

#include "ImageFixtures.h"

#include "engine/platform/Settings.h"
#include "engine/render/ImageBuffers.h"
#include "gui/widgets/Panel.h"
#include "tests/support/TestEnvironment.h"
#include "gui/widgets/WidgetCreators.h"

#include <gtest/gtest.h>
#include <png.h>

#include <fstream>

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

namespace {

// An RGB picture of width x height, each pixel grey value(x, y), y from the top.
std::string GreyPng(int width, int height, int (*value)(int, int))
{
    fixtures::PngSpec layout;
    layout.width = width;
    layout.height = height;
    layout.colorType = PNG_COLOR_TYPE_RGB;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < 3; ++c)
                layout.rows.push_back(static_cast<std::uint8_t>(value(x, y)));
    return fixtures::MakePng(layout);
}

void WriteBinary(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

TEST_F(PanelTest, AMaskKeepsItsOwnPixelsAndShapesTheHitArea)
{
    AllocateImageBuffers();
    g_settings.useJpegPairs = false;
    testing_support::TempDir dir;
    // Left half open (255), right half closed (0).
    WriteBinary(dir.File("mask.png"), GreyPng(8, 4, [](int x, int) { return x < 4 ? 255 : 0; }));
    WriteBinary(dir.File("other.png"), GreyPng(16, 16, [](int, int) { return 255; }));
    services.AddPicture("#Door", 8, 4);
    auto panel = Make("", "<position x=\"0\" y=\"600\"/><input_mask><texture name=\"" + dir.File("mask.png") +
                              "\"/></input_mask><texture name=\"#Door\"/>");
    ASSERT_NE(nullptr, panel->mask);
    EXPECT_TRUE(panel->mask->ownsPixels);
    // Another picture decoded afterwards leaves the mask as it was.
    ImageData other;
    other.Load(dir.File("other.png"));
    EXPECT_TRUE(panel->HitTest(Point(1, 1)));
    EXPECT_TRUE(panel->HitTest(Point(3, 3)));
    EXPECT_FALSE(panel->HitTest(Point(5, 1)));
    EXPECT_FALSE(panel->HitTest(Point(7, 3)));
    EXPECT_FALSE(panel->MouseDown(Point(6, 2)));
    EXPECT_TRUE(panel->MouseDown(Point(2, 2)));
}

TEST_F(PanelTest, AMaskElementWithoutTextureChangesNothing)
{
    auto panel = Make("", "<input_mask/><input_mask><other name=\"x.png\"/></input_mask>");
    EXPECT_EQ(nullptr, panel->mask);
}

} // namespace
