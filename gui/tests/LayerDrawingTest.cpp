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

#include <GL/gl.h>
#include <GL/glext.h>
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

TEST_F(LayerDrawingTest, ALayerUnderAnOpaqueFullScreenBackgroundIsNotDrawn)
{
    // Over "Back" (300 x 200), an 800 x 600 background: opaque, or with
    // one transparent pixel that lets "Back" show through it.
    struct Cover {
        const char* name;
        bool holed;
        bool hidesBack;
    };
    const Cover covers[] = {{"Opaque", false, true}, {"Holed", true, false}};
    std::string layers = "<Gui>";
    for (const Cover& cover : covers) {
        fixtures::PngSpec png;
        png.width = 800;
        png.height = 600;
        png.colorType = 6;
        for (int y = 0; y < png.height; ++y)
            for (int x = 0; x < png.width; ++x) {
                const bool hole = cover.holed && x == 20 && y == 590;
                png.rows.insert(png.rows.end(), {static_cast<std::uint8_t>(x / 4), static_cast<std::uint8_t>(y / 3),
                                                 90, static_cast<std::uint8_t>(hole ? 0 : 255)});
            }
        const std::string picture = _dir.File(std::string(cover.name) + ".png");
        std::ofstream(picture, std::ios::binary) << fixtures::MakePng(png);
        layers += std::string("<Layer name='") + cover.name + "'><Background><texture name='" + picture +
                  "'/></Background></Layer>";
    }
    const std::string file = _dir.File("covers.xml");
    WriteTextFile(file, layers + "</Gui>");
    _gui.LoadLayers(file);

    GLuint query = 0;
    glGenQueries(1, &query);
    for (const Cover& cover : covers) {
        Layer* layer = _gui.getLayer(cover.name);
        ASSERT_NE(layer, nullptr) << cover.name;
        EXPECT_EQ(layer->CoversScreen(), cover.hidesBack) << cover.name;
        Screen.ClearLayers();
        Screen.pushLayer(_gui.getLayer("Back"));
        Screen.pushLayer(layer);
        std::vector<std::uint8_t> screens[2];
        GLuint fragments[2] = {0, 0};
        for (int saving = 0; saving < 2; ++saving) {
            g_renderDevice.SetFillSaving(saving == 1);
            glBeginQuery(GL_SAMPLES_PASSED, query);
            DrawFrame(false);
            glEndQuery(GL_SAMPLES_PASSED);
            glGetQueryObjectuiv(query, GL_QUERY_RESULT, &fragments[saving]);
            screens[saving] = g_renderDevice.Gl().ReadPixels(0, 0, 800, 600);
        }
        g_renderDevice.SetFillSaving(true);
        EXPECT_TRUE(screens[0] == screens[1]) << cover.name;
        EXPECT_EQ(fragments[0], 800u * 600u + 300u * 200u) << cover.name;
        EXPECT_EQ(fragments[1], cover.hidesBack ? 800u * 600u : 800u * 600u + 300u * 200u) << cover.name;
        // Through the hole, the layer under it.
        if (cover.holed) {
            ExpectAt(20, 9, kGreen);
        }
        layer->background->Release();
    }
    glDeleteQueries(1, &query);
}
