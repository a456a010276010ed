// Layers drawn into a real GL context (the offscreen driver) and read back:
// a background picture that is not a power of two, and the pause veil. A
// failing test leaves its picture as <test>.ppm in the folder it ran in.

#include "../../engine/render/tests/ImageFixtures.h"

#include "engine/platform/Settings.h"
#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "gui/GUIManager.h"
#include "gui/Layer.h"
#include "gui/ScreenImpl.h"
#include "gui/WidgetFactory.h"
#include "gui/controllers/ControllerManager.h"
#include "gui/widgets/Credits.h"
#include "gui/widgets/WidgetCreators.h"
#include "tests/support/GlTestContext.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

#include <fstream>
#include <memory>

using namespace testing_support;

namespace {

const Rgb kRed = {255, 0, 0};
const Rgb kGreen = {0, 255, 0};

class LayerDrawingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_settings.useJpegPairs = false;
        ASSERT_TRUE(_gl.Open("layer test", false)); // each test draws whole frames

        // 300 x 200: red above, green below.
        fixtures::PngSpec png;
        png.width = 300;
        png.height = 200;
        for (int y = 0; y < png.height; ++y)
            for (int x = 0; x < png.width; ++x) {
                png.rows.push_back(y < 100 ? 255 : 0);
                png.rows.push_back(y < 100 ? 0 : 255);
                png.rows.push_back(0);
            }
        const std::string picture = _dir.File("back.png");
        std::ofstream(picture, std::ios::binary) << fixtures::MakePng(png);
        const std::string file = _dir.File("layers.xml");
        WriteTextFile(file, "<Gui><Layer name='Back'><Background><texture name='" + picture +
                                "'/></Background></Layer></Gui>");
        _gui.LoadLayers(file);
        ASSERT_NE(_gui.getLayer("Back"), nullptr);
        ASSERT_NE(_gui.getLayer("Back")->background, nullptr);
    }

    void TearDown() override
    {
        Screen.ClearLayers();
        if (Layer* back = _gui.getLayer("Back"))
            if (back->background)
                back->background->Release();
        _gl.Close();
    }

    static void DrawFrame(bool paused)
    {
        g_renderDevice.BeginFrame();
        g_renderDevice.Begin2D();
        Screen.Draw(paused);
        g_renderDevice.End2D();
        g_renderDevice.EndFrame();
    }

    TempDir _dir;
    GlTestContext _gl;
    Core::GUIManager _gui;
};

} // namespace

TEST_F(LayerDrawingTest, BackgroundDrawsAtItsPictureSizeWithoutThePadding)
{
    const Sprite& back = *_gui.getLayer("Back")->background;
    EXPECT_EQ(back.imageWidth, 300);
    EXPECT_EQ(back.textureWidth, 300) << "a texture of the picture's own size";
    Screen.pushLayer(_gui.getLayer("Back"));
    DrawFrame(false);
    ExpectAt(1, 1, kGreen);
    ExpectAt(298, 98, kGreen);
    ExpectAt(1, 101, kRed);
    ExpectAt(298, 198, kRed);
    ExpectAt(301, 100, kBackground);
    ExpectAt(150, 201, kBackground);
}

TEST_F(LayerDrawingTest, PauseVeilDarkensEverythingTheLayersDrew)
{
    Screen.pushLayer(_gui.getLayer("Back"));
    DrawFrame(true);
    // 175 of 255 black over the picture and over the clear colour.
    ExpectAt(150, 150, {80, 0, 0});
    ExpectAt(150, 50, {0, 80, 0});
    ExpectAt(600, 400, {19, 19, 19});
}

TEST_F(LayerDrawingTest, FileBackgroundFollowsThePngSwitchAndJpegPairs)
{
    // The layer file names "sea.tga"; the switches of settings.ini decide
    // which files really serve it. 64 x 32: blue, its right half transparent
    // where the picture has an alpha channel of its own.
    const int width = 64, height = 32;
    fixtures::PngSpec png;
    png.width = width;
    png.height = height;
    png.colorType = 6; // RGBA
    std::vector<std::uint8_t> rgb, alpha;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint8_t a = x < width / 2 ? 255 : 0;
            png.rows.insert(png.rows.end(), {0, 0, 255, a});
            rgb.insert(rgb.end(), {0, 0, 255});
            alpha.push_back(a);
        }
    const struct {
        const char* layer;
        bool pngSwitch;
        bool pairs;
    } cases[] = {{"PngSwitch", true, false}, {"JpegPairs", false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.layer);
        TempDir dir;
        if (c.pngSwitch) {
            std::ofstream(dir.File("sea.png"), std::ios::binary) << fixtures::MakePng(png);
        } else {
            std::ofstream(dir.File("sea_base.jpg"), std::ios::binary) << fixtures::MakeJpeg(width, height, 3, rgb);
            std::ofstream(dir.File("sea_alpha.jpg"), std::ios::binary) << fixtures::MakeJpeg(width, height, 1, alpha);
        }
        g_settings.loadPngImages = c.pngSwitch;
        g_settings.useJpegPairs = c.pairs;
        const std::string file = dir.File("layers.xml");
        WriteTextFile(file, std::string("<Gui><Layer name='") + c.layer + "'><Background><texture name='" +
                                dir.File("sea.tga") + "'/></Background></Layer></Gui>");
        _gui.LoadLayers(file);
        g_settings.loadPngImages = false;
        g_settings.useJpegPairs = false;
        Layer* layer = _gui.getLayer(c.layer);
        ASSERT_NE(layer, nullptr);
        ASSERT_NE(layer->background, nullptr);
        EXPECT_EQ(layer->background->imageWidth, width);
        Screen.ClearLayers();
        Screen.pushLayer(layer);
        DrawFrame(false);
        ExpectAt(4, 4, {0, 0, 255}, 12);
        ExpectAt(width / 2 - 6, height - 4, {0, 0, 255}, 12);
        ExpectAt(width / 2 + 6, 4, kBackground, 12);
        ExpectAt(width + 4, 4, kBackground);
    }
}

TEST_F(LayerDrawingTest, PicturesLoadedFromFilesLeaveTheDeviceWithTheirWidgetsAndLayer)
{
    g_widgetFactory.Register("Panel", CreatePanel);
    g_widgetFactory.Register("Button", CreateButton);
    g_widgetFactory.Register("CheckBox", CreateCheckBox);
    g_widgetFactory.Register("Slider", CreateSlider);
    g_widgetFactory.Register("Credits", CreateCredits);
    fixtures::PngSpec png;
    png.width = 8;
    png.height = 8;
    png.rows.assign(8 * 8 * 3, 200);
    const std::string picture = _dir.File("pic.png");
    std::ofstream(picture, std::ios::binary) << fixtures::MakePng(png);

    // Each widget with the number of pictures it loads from the file.
    const struct {
        const char* name;
        std::string element;
        std::size_t textures;
    } widgets[] = {
        {"Door", "<Panel name='Door'><texture name='" + picture + "'/></Panel>", 1},
        {"Ok", "<Button name='Ok'><state normal='" + picture + "' active='" + picture + "' pressed='" + picture +
                   "'/></Button>",
         3},
        {"Sound", "<CheckBox name='Sound'><state on='" + picture + "' off='" + picture + "'/></CheckBox>", 2},
        {"Volume", "<Slider name='Volume'><state inactive='" + picture + "' active='" + picture + "' manipulator='" +
                       picture + "'/></Slider>",
         3},
        {"Roll", "<Credits name='Roll' time='5'><Logo tex='" + picture + "'/></Credits>", 1},
    };
    std::string controls;
    std::size_t total = 1; // the background
    for (const auto& w : widgets) {
        controls += w.element;
        total += w.textures;
    }
    TiXmlDocument document;
    document.Parse(("<Layer name='Page'><Background><texture name='" + picture + "'/></Background><Controls>" +
                    controls + "</Controls></Layer>")
                       .c_str());
    const backend::GlDevice& gl = g_renderDevice.Gl();
    const std::size_t before = gl.TextureCount();
    auto layer = std::make_unique<Layer>(document.RootElement());
    ASSERT_EQ(gl.TextureCount(), before + total);
    for (const auto& w : widgets) {
        SCOPED_TRACE(w.name);
        ASSERT_NE(layer->getWidget(w.name), nullptr);
        const std::size_t live = gl.TextureCount();
        layer->RemoveWidget(w.name);
        EXPECT_EQ(layer->getWidget(w.name), nullptr);
        EXPECT_EQ(gl.TextureCount(), live - w.textures);
    }
    layer.reset();
    EXPECT_EQ(gl.TextureCount(), before);
    kernel.FlushPending();
    kernel.Update(0.0f);
}
