// Widgets drawing into a real GL context (the offscreen driver), read back.
// A failing test leaves its picture as <test>.ppm in the folder it ran in.

#include "ImageFixtures.h"
#include "WidgetTestSupport.h"

#include "engine/platform/Settings.h"
#include "engine/render/RenderDevice.h"
#include "gui/controllers/ControllerManager.h"
#include "gui/widgets/Tooltip.h"
#include "gui/widgets/WidgetCreators.h"
#include "tests/support/GlTestContext.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <png.h>

#include <fstream>
#include <functional>

using namespace testing_support;

namespace {

class WidgetDrawingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(_gl.Open("widget drawing test"));
        g_tooltipFramePicture = nullptr;
    }

    void TearDown() override
    {
        g_tooltipFramePicture = nullptr;
        _gl.Close();
    }

    // Registers "#id": a picture of width x height in a texture of the padded
    // size, each texel's ARGB from argb(x, y) (y from the bottom).
    Sprite* AddUploadedPicture(const std::string& id, int width, int height,
                               const std::function<std::uint32_t(int, int)>& argb)
    {
        Sprite* sprite = services.AddPicture(id, width, height);
        const int tw = sprite->textureWidth, th = sprite->textureHeight;
        std::vector<std::uint32_t> pixels(static_cast<std::size_t>(tw) * th);
        for (int y = 0; y < th; ++y)
            for (int x = 0; x < tw; ++x)
                pixels[static_cast<std::size_t>(y) * tw + x] = argb(x, y);
        UploadTexture(*sprite, tw, th, pixels);
        return sprite;
    }

    FakeWidgetServices services;
    GlTestContext _gl;
};

TEST_F(WidgetDrawingTest, SolidRectangleIsInScreenCoordinates)
{
    XmlElement element("<SolidRect name=\"Floor\"><color r=\"255\" g=\"0\" b=\"0\"/>"
                       "<rectangle x=\"0\" y=\"0\" width=\"800\" height=\"100\"/></SolidRect>");
    std::unique_ptr<Widget> rect(CreateSolidRect(element));
    rect->setVisible(false); // drawn all the same
    rect->Draw();
    ExpectAt(0, 0, {255, 0, 0});
    ExpectAt(799, 99, {255, 0, 0});
    ExpectAt(400, 100, kBackground);
    EXPECT_EQ(0xFFFFFFFFu, g_renderDevice.CurrentColor());
}

TEST_F(WidgetDrawingTest, SolidRectangleWithOnlyAnAlphaIsHalfTransparentWhite)
{
    XmlElement element("<SolidRect name=\"Veil\"><color a=\"128\"/>"
                       "<rectangle x=\"100\" y=\"200\" width=\"50\" height=\"50\"/></SolidRect>");
    std::unique_ptr<Widget> rect(CreateSolidRect(element));
    rect->Draw();
    const int mixed = (255 * 128 + 0x3C * 127) / 255;
    ExpectAt(125, 225, {mixed, mixed, mixed});
    ExpectAt(125, 199, kBackground);
    ExpectAt(125, 250, kBackground);
}

TEST_F(WidgetDrawingTest, PanelStretchedToTheScreenUsesOnlyThePicture)
{
    // A 200 x 100 green picture in a 256 x 128 texture padded with red.
    AddUploadedPicture("#Back", 200, 100,
                       [](int x, int y) { return x < 200 && y < 100 ? 0xFF00FF00u : 0xFFFF0000u; });
    XmlElement element("<Panel name=\"Back\" scaleTextureToScreen=\"true\">"
                       "<position x=\"300\" y=\"300\"/><texture name=\"#Back\"/></Panel>");
    std::unique_ptr<Widget> panel(CreatePanel(element));
    panel->Draw();
    // The filter blends across the texture's (wrapping) edges within a
    // texel of the screen border; inside, only the picture shows.
    ExpectAt(8, 8, {0, 255, 0});
    ExpectAt(791, 591, {0, 255, 0});
    ExpectAt(400, 300, {0, 255, 0});
}

TEST_F(WidgetDrawingTest, TooltipFrameCornersAndOrnaments)
{
    // The atlas: a 3 x 3 grid of 12-pixel cells at the bottom left (the
    // upper-right corner cell red, the lower-left cyan, the centre blue, the
    // rest green); above it the left ornament transparent and the right one
    // white with a transparent 12-pixel hole at its top right.
    AddUploadedPicture("#ToolTip_Ramka", 64, 64, [](int x, int y) -> std::uint32_t {
        if (y < 36) {
            if (x >= 36)
                return 0;
            const int cx = x / 12, cy = y / 12;
            if (cx == 2 && cy == 2)
                return 0xFFFF0000u;
            if (cx == 0 && cy == 0)
                return 0xFF00FFFFu;
            if (cx == 1 && cy == 1)
                return 0xFF0000FFu;
            return 0xFF00FF00u;
        }
        if (x < 32)
            return 0;
        return (x >= 52 && y >= 52) ? 0u : 0xFFFFFFFFu;
    });
    DrawTooltipFrame(100, 100, 160, 137);
    ExpectAt(254, 231, {255, 0, 0});    // upper-right corner quad at (248, 225)
    ExpectAt(247, 231, {255, 255, 255}); // left of it: the ornament
    ExpectAt(240, 215, {255, 255, 255}); // the upper-right ornament at (228, 209)
    ExpectAt(226, 215, {0, 0, 255});     // just left of the ornament: the centre
    ExpectAt(240, 207, {0, 0, 255});     // just below it
    ExpectAt(105, 105, {0, 255, 255});   // lower-left corner under a clear ornament
    ExpectAt(180, 105, {0, 255, 0});     // lower edge
    ExpectAt(261, 231, kBackground);
    ExpectAt(254, 238, kBackground);
}

TEST_F(WidgetDrawingTest, AMaskBeforeThePictureCutsItToTheMasksShape)
{
    g_settings.useJpegPairs = false;
    testing_support::TempDir dir;
    // The mask: blue (its first byte) 255 in the left half; red and green
    // 255 everywhere, so that only the first byte tells the halves apart.
    fixtures::PngSpec mask;
    mask.width = 8;
    mask.height = 4;
    mask.colorType = PNG_COLOR_TYPE_RGB;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x)
            mask.rows.insert(mask.rows.end(), {255, 255, static_cast<std::uint8_t>(x < 4 ? 255 : 0)});
    fixtures::PngSpec picture;
    picture.width = 8;
    picture.height = 4;
    picture.colorType = PNG_COLOR_TYPE_RGB;
    for (int i = 0; i < 32; ++i)
        picture.rows.insert(picture.rows.end(), {255, 0, 0});
    std::ofstream(dir.File("mask.png"), std::ios::binary) << fixtures::MakePng(mask);
    std::ofstream(dir.File("door.png"), std::ios::binary) << fixtures::MakePng(picture);

    XmlElement element("<Panel name=\"Door\"><position x=\"100\" y=\"500\"/><input_mask><texture name=\"" +
                       dir.File("mask.png") + "\"/></input_mask><texture name=\"" + dir.File("door.png") +
                       "\"/></Panel>");
    std::unique_ptr<Widget> panel(CreatePanel(element));
    ASSERT_EQ(Point(8, 4), panel->size);
    panel->Draw();
    ExpectAt(101, 101, {255, 0, 0});
    ExpectAt(103, 102, {255, 0, 0});
    ExpectAt(105, 101, kBackground);
    ExpectAt(107, 102, kBackground);
}

TEST_F(WidgetDrawingTest, SliderFillsTheTrackUpToTheManipulator)
{
    AddUploadedPicture("#track", 200, 20, [](int, int) { return 0xFF0000FFu; });
    AddUploadedPicture("#fill", 200, 20, [](int x, int y) { return x < 200 && y < 20 ? 0xFFFF0000u : 0xFF000000u; });
    AddUploadedPicture("#knob", 10, 20, [](int, int) { return 0xFF00FF00u; });
    XmlElement element("<Slider name=\"Volume\"><position x=\"100\" y=\"500\"/>"
                       "<manipulatorOffset><at x=\"0\" y=\"0\"/></manipulatorOffset>"
                       "<state inactive=\"#track\" active=\"#fill\" manipulator=\"#knob\"/></Slider>");
    std::unique_ptr<Widget> slider(CreateSlider(element));
    slider->AcceptMessage(Message("SetPos", "50"));
    slider->Draw();
    ExpectAt(110, 110, {255, 0, 0}); // filled part
    ExpectAt(190, 110, {255, 0, 0});
    ExpectAt(205, 110, {0, 255, 0}); // manipulator at the value
    ExpectAt(250, 110, {0, 0, 255}); // empty track
}

TEST_F(WidgetDrawingTest, WaterWithoutChildrenCoversTheMapArea)
{
    // Dark blue: three additive copies over the background stay short of white.
    AddUploadedPicture("#MAP_WATER", 64, 64, [](int, int) { return 0xFF000040u; });
    XmlElement element("<Water name=\"Sea\"/>");
    std::unique_ptr<Widget> water(CreateWater(element));
    water->setVisible(false); // drawn all the same
    water->Draw();
    const Rgb sea = {0x3C, 0x3C, 0x3C + 3 * 0x40};
    ExpectAt(40, 0, sea);
    ExpectAt(639, 599, sea);
    ExpectAt(300, 300, sea);
    ExpectAt(39, 300, kBackground);
    ExpectAt(640, 300, kBackground);
    EXPECT_EQ(RenderDevice::kWorld, g_renderDevice.GetMatrixMode());
}

TEST_F(WidgetDrawingTest, EditBoxCaretStandsTwoPixelsAfterTheText)
{
    RecordingTextPainter painter; // 10 pixels a character, 20 high
    for (int c = 'a'; c <= 'z'; ++c)
        painter.glyphs[static_cast<unsigned char>(c)] = true;
    XmlElement element("<EditBox name=\"Name\"><position x=\"100\" y=\"500\"/></EditBox>");
    std::unique_ptr<Widget> box(CreateEditBox(element));
    box->AcceptMessage(Message("KeyPress", "97"));
    box->AcceptMessage(Message("KeyPress", "98"));
    kernel.FlushPending(); // the caret: fully visible
    box->Draw();
    ExpectAt(123, 105, {255, 255, 255}); // x 100 + 20 + 2, 4 wide
    ExpectAt(125, 119, {255, 255, 255});
    ExpectAt(121, 105, kBackground);
    ExpectAt(126, 105, kBackground);
    ExpectAt(123, 120, kBackground);
    box.reset();
    kernel.Update(0.0f);
}

TEST_F(WidgetDrawingTest, TooltipArrowBobsAlongItsDirection)
{
    // Arrow red in the left half, its shadow transparent in the right.
    AddUploadedPicture("#ToolTip_Strelka", 128, 64, [](int x, int) { return x < 64 ? 0xFFFF0000u : 0u; });
    g_tooltipArrowPicture = nullptr;
    // t = 0: not lifted; the quad (-32, -6, 64, 64) scaled by about 1.14 x 0.97.
    DrawTooltipArrow(Point(400, 300), 0.0f, 0);
    ExpectAt(400, 297, {255, 0, 0});
    ExpectAt(400, 358, kBackground);
    ExpectAt(366, 330, {255, 0, 0});
    g_renderDevice.BeginFrame();
    // t = 0.5: lifted by 8 pixels.
    DrawTooltipArrow(Point(400, 300), 0.5f, 0);
    ExpectAt(400, 297, kBackground);
    ExpectAt(400, 358, {255, 0, 0});
    g_renderDevice.BeginFrame();
    // Turned by 180 degrees it points the other way.
    DrawTooltipArrow(Point(400, 300), 0.0f, 180);
    ExpectAt(400, 303, {255, 0, 0});
    ExpectAt(400, 250, {255, 0, 0});
    ExpectAt(400, 320, kBackground);
    g_tooltipArrowPicture = nullptr;
    EXPECT_EQ(RenderDevice::kWorld, g_renderDevice.GetMatrixMode());
}

} // namespace
