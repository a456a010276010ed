// A layer file with an include, a background and nested widgets, loaded and
// pushed in the real program's library and drawn by its frame services.
// Set VELMORA_SAVE_PICTURES to keep the pictures (<test>.ppm) of passing
// tests too.

#include "app/GameFrameServices.h"
#include "../../engine/render/tests/ImageFixtures.h"

#include "engine/platform/Application.h"
#include "engine/platform/FrameServices.h"
#include "gui/InputMap.h"
#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "engine/resources/ResourceManager.h"
#include "engine/script/ScriptHost.h"
#include "engine/util/XmlAttributes.h"
#include "gui/GUIManager.h"
#include "gui/Layer.h"
#include "gui/ScreenImpl.h"
#include "gui/Widget.h"
#include "gui/WidgetFactory.h"
#include "tests/support/EndToEndGame.h"
#include "tests/support/GlTestContext.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

using namespace testing_support;

namespace {

// A filled rectangle in its colour: "x", "y" (top-down), "width", "height", "r", "g", "b".
class ColorBox : public Widget {
public:
    ColorBox(const std::string& widgetName, const TiXmlElement* element) : Widget(widgetName)
    {
        int x = 0, y = 0, w = 0, h = 0, r = 255, g = 255, b = 255;
        ReadIntAttribute(element, "x", x);
        ReadIntAttribute(element, "y", y);
        ReadIntAttribute(element, "width", w);
        ReadIntAttribute(element, "height", h);
        ReadIntAttribute(element, "r", r);
        ReadIntAttribute(element, "g", g);
        ReadIntAttribute(element, "b", b);
        size = Point(w, h);
        position = Point(x, 600 - y - h);
        offset = position;
        rect = Rect(position, size);
        color = Color(static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b));
    }

    void Draw() override
    {
        g_renderDevice.EnableTexture(false);
        g_renderDevice.SetColor(color);
        g_renderDevice.DrawRect(rect);
        g_renderDevice.ResetColor();
        g_renderDevice.EnableTexture(true);
    }
};

class ScreenEndToEndTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteTextFile(_game.File("ScreenDemo.xml"), ReadTextFile(SourceDir() + "/gui/tests/fixtures/ScreenDemo.xml"));
        WriteTextFile(_game.File("scripts/screen_demo.lua"),
                      ReadTextFile(SourceDir() + "/gui/tests/fixtures/screen_demo.lua"));
        WriteTextFile(_game.File("texts.xml"), "<TextResources><string id='Title'>Demo</string>"
                                               "<string id='Pause'>Pause</string>"
                                               "<text id='Lives'><string font='Letter'>Lives #LivesLeftCount#</string>"
                                               "</text></TextResources>");
        // The game's font "Letter", made by the build.
        const std::string fonts = std::string(std::getenv("VELMORA_GAME_DIR")) + "/data/font/";
        for (const char* file : {"Letter.txt", "Letter.png"}) {
            std::filesystem::create_directories(_game.File("font"));
            std::filesystem::copy_file(fonts + file, _game.File(std::string("font/") + file));
        }
        WriteTextFile(_game.File("resources.xml"), "<Resources><Fonts><font name='Letter'/></Fonts></Resources>");
        // An 800 x 600 background, grey 200 everywhere.
        fixtures::PngSpec png;
        png.width = 800;
        png.height = 600;
        png.rows.assign(800 * 600 * 3, 200);
        std::filesystem::create_directories(_game.File("textures"));
        std::ofstream(_game.File("textures/back.png"), std::ios::binary) << fixtures::MakePng(png);

        g_widgetFactory.Register("ColorBox", CreateWidgetOfKind<ColorBox>);
        ASSERT_TRUE(_game.Start());
    }

    void TearDown() override { _game.Stop(); }

    // Draws one frame the way the main loop does, without presenting it.
    void DrawScreen(bool paused)
    {
        if (_drawing)
            _services.EndFrame();
        _services.BeginFrame();
        _services.DrawScreen(paused);
        _drawing = true;
    }

    template <typename Test>
    static bool AnyPixelIn(int x, int y, int w, int h, Test test)
    {
        const auto p = g_renderDevice.Gl().ReadPixels(x, y, w, h);
        for (int i = 0; i < w * h; ++i)
            if (test(Rgb{p[i * 4], p[i * 4 + 1], p[i * 4 + 2]}))
                return true;
        return false;
    }

    EndToEndGame _game{"Screen Test"};
    GameFrameServices _services;
    bool _drawing = false;
};

} // namespace

TEST_F(ScreenEndToEndTest, LayerFileWithIncludeBackgroundAndNestedWidgetsShowsWhenPushed)
{
    LoadResource("resources.xml");
    GUI.LoadText("texts.xml");
    GUI.LoadLayers("ScreenDemo.xml");
    Layer* demo = GUI.getLayer("Demo");
    ASSERT_NE(demo, nullptr);

    // Block widths are measured in the block's fonts, after substitution.
    GUI.SetTextVariable("LivesLeftCount", "12345");
    const TextResource* lives = FindTextResource("Lives");
    ASSERT_NE(lives, nullptr);
    EXPECT_EQ(lives->lines[0].text, "Lives 12345");
    EXPECT_GT(lives->width, 0);
    EXPECT_EQ(lives->width, g_renderDevice.TextWidthInFont("Lives 12345", "Letter"));
    EXPECT_EQ(lives->height, static_cast<int>(g_renderDevice.FindFont("Letter")->height));
    lua_getglobal(g_luaState, "demoIncluded");
    EXPECT_TRUE(lua_toboolean(g_luaState, -1));
    lua_pop(g_luaState, 1);
    ASSERT_NE(demo->background, nullptr);
    Widget* panel = demo->getWidget("panel");
    Widget* corner = demo->getWidget("corner");
    ASSERT_NE(corner, nullptr);
    EXPECT_EQ(corner->parent, panel);
    EXPECT_EQ(demo->getWidget("caption")->text, "Demo");

    Screen.pushLayer(demo);
    EXPECT_EQ(g_inputWidgets.Size(), 3u);
    DrawScreen(false);
    ExpectAt(5, 5, {200, 200, 200});          // the background
    ExpectAt(790, 590, {200, 200, 200});
    ExpectAt(250, 420, {0, 0, 255});          // the panel: y 400 to 500
    ExpectAt(115, 495, {255, 0, 0});          // its child at the panel's top edge
    ExpectAt(115, 445, {0, 0, 255});
    if (std::getenv("VELMORA_SAVE_PICTURES"))
        SaveScreenPicture(TestPicturePath(".shown"));

    // The frame's drain reaches the layer's script.
    PostMessage(Message("hello"));
    _game.App().running = true;
    _game.App().Frame();
    lua_getglobal(g_luaState, "lastDemoMessage");
    EXPECT_STREQ(lua_tostring(g_luaState, -1), "hello");
    lua_pop(g_luaState, 1);

    // The caption, white in "Letter", from (180, 440) on the panel.
    EXPECT_TRUE(AnyPixelIn(180, 440, 60, 25, [](const Rgb& c) { return c[0] > 150 && c[1] > 150; }));

    // Paused: the veil covers it all, with "Pause" centred on x = 400.
    DrawScreen(true);
    ExpectAt(5, 5, {63, 63, 63});
    ExpectAt(250, 420, {0, 0, 80});
    EXPECT_TRUE(AnyPixelIn(370, 300, 30, 25, [](const Rgb& c) { return c[0] > 150; }));
    EXPECT_TRUE(AnyPixelIn(400, 300, 30, 25, [](const Rgb& c) { return c[0] > 150; }));
    EXPECT_FALSE(AnyPixelIn(300, 300, 50, 25, [](const Rgb& c) { return c[0] > 150; }));
}
