// Layers drawn into a real GL context (the offscreen driver) and read back:
// a background picture that is not a power of two, and the pause veil. A
// failing test leaves its picture as <test>.ppm in the folder it ran in.

#include "../../engine/render/tests/ImageFixtures.h"

#include "engine/backend/Window.h"
#include "engine/platform/Settings.h"
#include "engine/render/ImageBuffers.h"
#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "gui/GUIManager.h"
#include "gui/Layer.h"
#include "gui/ScreenImpl.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>

using namespace testing_support;

namespace {

using Rgb = std::array<int, 3>;
const Rgb kBackground = {0x3C, 0x3C, 0x3C};
const Rgb kRed = {255, 0, 0};
const Rgb kGreen = {0, 255, 0};

class LayerDrawingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        backend::WindowDesc desc;
        desc.title = "layer test";
        ASSERT_TRUE(_window.Create(desc)) << SDL_GetError();
        AllocateImageBuffers();
        g_settings.useJpegPairs = false;
        g_renderDevice.Init(_window);

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
        if (HasFailure() && _window.IsOpen())
            SavePicture();
        Screen.ClearLayers();
        if (Layer* back = _gui.getLayer("Back"))
            if (back->background)
                back->background->Release();
        g_renderDevice.Release();
        _window.Destroy();
    }

    static void DrawFrame(bool paused)
    {
        g_renderDevice.BeginFrame();
        g_renderDevice.Begin2D();
        Screen.Draw(paused);
        g_renderDevice.End2D();
        g_renderDevice.EndFrame();
    }

    static void ExpectAt(int x, int y, const Rgb& expected, int tolerance = 3)
    {
        const auto p = g_renderDevice.Gl().ReadPixels(x, y, 1, 1);
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(p[i], expected[i], tolerance)
                << "pixel (" << x << ", " << y << ") channel " << i << ": got " << int(p[0]) << "," << int(p[1])
                << "," << int(p[2]);
    }

    void SavePicture()
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        const auto pixels = g_renderDevice.Gl().ReadPixels(0, 0, 800, 600);
        std::ofstream out(std::string(info->name()) + ".ppm", std::ios::binary);
        out << "P6\n800 600\n255\n";
        for (int y = 599; y >= 0; --y)
            for (int x = 0; x < 800; ++x)
                out.write(reinterpret_cast<const char*>(&pixels[(y * 800 + x) * 4]), 3);
    }

    TempDir _dir;
    backend::Window _window;
    Core::GUIManager _gui;
};

} // namespace

TEST_F(LayerDrawingTest, BackgroundDrawsAtItsPictureSizeWithoutThePadding)
{
    const Sprite& back = *_gui.getLayer("Back")->background;
    EXPECT_EQ(back.imageWidth, 300);
    EXPECT_EQ(back.textureWidth, 512);
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
