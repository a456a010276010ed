// A layer file with every general widget kind, loaded and pushed in the real
// program's library, driven through the window procedure with the mouse and
// the keyboard; its script handler sees what the widgets post.

#include "app/GameFrameServices.h"
#include "engine/platform/Application.h"
#include "engine/platform/FrameServices.h"
#include "gui/InputMap.h"
#include "engine/platform/MainWindow.h"
#include "engine/render/RenderDevice.h"
#include "engine/resources/ResourceManager.h"
#include "engine/script/ScriptHost.h"
#include "gui/GUIManager.h"
#include "gui/Layer.h"
#include "gui/ScreenImpl.h"
#include "gui/WidgetFactory.h"
#include "gui/widgets/CheckBox.h"
#include "gui/widgets/EditBox.h"
#include "gui/widgets/ListBox.h"
#include "gui/widgets/ListBoxTipBlink.h"
#include "gui/widgets/Slider.h"
#include "gui/widgets/WidgetCreators.h"
#include "tests/support/EndToEndGame.h"
#include "tests/support/GlTestContext.h"
#include "tests/support/SdlEvents.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

using namespace testing_support;

namespace {

class WidgetKindsEndToEndTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* file : {"Widgets.xml", "widgets.lua"})
            WriteTextFile(_game.File(file), ReadTextFile(SourceDir() + "/gui/widgets/tests/fixtures/" + file));
        // The game's fonts and pictures, made by the build.
        const std::string data = std::string(std::getenv("VELMORA_GAME_DIR")) + "/data/";
        std::filesystem::copy(data + "font", _game.File("font"));
        std::filesystem::copy(data + "textures", _game.File("textures"));
        WriteTextFile(_game.File("resources.xml"),
                      "<Resources><Fonts><font name='text'/><font name='ButtonNormal'/><font name='ButtonActive'/>"
                      "<font name='ButtonPress'/><font name='ButtonNormalBW'/></Fonts><Textures2D>"
                      "<texture2D id='btn_normal' path='textures\\button_normal.png'/>"
                      "<texture2D id='btn_active' path='textures\\button_active.png'/>"
                      "<texture2D id='btn_press' path='textures\\button_press.png'/>"
                      "<texture2D id='box_on' path='textures\\checkbox_on.png'/>"
                      "<texture2D id='box_off' path='textures\\checkbox_off.png'/>"
                      "<texture2D id='track' path='textures\\slider_track.png'/>"
                      "<texture2D id='knob' path='textures\\slider_thumb.png'/>"
                      "<texture2D id='panel' path='textures\\panel.png'/>"
                      "<texture2D id='MAP_WATER' path='textures\\water.png'/>"
                      "<texture2D id='ToolTip_Ramka' path='textures\\tip_frame.png'/>"
                      "</Textures2D></Resources>");

        const std::pair<const char*, WidgetCreator> kinds[] = {
            {"Button", CreateButton}, {"CheckBox", CreateCheckBox},   {"Slider", CreateSlider},
            {"EditBox", CreateEditBox}, {"ListBox", CreateListBox}, {"Panel", CreatePanel},
            {"Animation", CreateAnimation}, {"SolidRect", CreateSolidRect}, {"Water", CreateWater},
        };
        for (const auto& kind : kinds)
            g_widgetFactory.Register(kind.first, kind.second);
        ASSERT_TRUE(_game.Start());

        LoadResource("resources.xml");
        GUI.LoadLayers("Widgets.xml");
        _layer = GUI.getLayer("Widgets");
        ASSERT_NE(_layer, nullptr);
        Screen.pushLayer(_layer);
    }

    void TearDown() override { _game.Stop(); }

    // A left click at a screen point (y upward), with the move before it.
    static void Click(const Point& p)
    {
        WindowProc(MotionEvent(p.x, 600 - p.y));
        WindowProc(ButtonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, p.x, 600 - p.y));
        WindowProc(ButtonEvent(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, p.x, 600 - p.y));
    }

    static Point Centre(const Widget* widget)
    {
        return Point(widget->rect.x + widget->rect.w / 2, widget->rect.y + widget->rect.h / 2);
    }

    // Runs one frame (the layer's script gets the queued messages) and
    // returns what the script has recorded so far.
    std::vector<std::string> Events()
    {
        _game.App().running = true;
        _game.App().Frame();
        std::vector<std::string> events;
        lua_getglobal(g_luaState, "events");
        const int count = static_cast<int>(lua_rawlen(g_luaState, -1));
        for (int i = 1; i <= count; ++i) {
            lua_rawgeti(g_luaState, -1, i);
            events.push_back(lua_tostring(g_luaState, -1));
            lua_pop(g_luaState, 1);
        }
        lua_pop(g_luaState, 1);
        return events;
    }

    static bool Has(const std::vector<std::string>& events, const std::string& event)
    {
        return std::find(events.begin(), events.end(), event) != events.end();
    }

    EndToEndGame _game{"Widget Test", true};
    Layer* _layer = nullptr;
};

} // namespace

TEST_F(WidgetKindsEndToEndTest, EveryKindIsMadeFromTheLayerFile)
{
    for (const char* name : {"back", "floor", "Ok", "music", "volume", "nameEdit", "players", "fish", "sea"})
        EXPECT_NE(_layer->getWidget(name), nullptr) << name;
    EXPECT_EQ(Point(200, 48), _layer->getWidget("Ok")->size);
    EXPECT_EQ(256, static_cast<Slider*>(_layer->getWidget("volume"))->trackLength);
}

TEST_F(WidgetKindsEndToEndTest, MouseAndKeyboardReachTheWidgetsAndTheScript)
{
    Click(Centre(_layer->getWidget("Ok")));
    auto* box = static_cast<CheckBox*>(_layer->getWidget("music"));
    Click(Centre(box));
    Widget* slider = _layer->getWidget("volume");
    Click(Point(slider->position.x + 128, slider->position.y + 8));
    WindowProc(TextEvent("Ann"));
    WindowProc(KeyEvent(SDL_KEYDOWN, SDLK_BACKSPACE));
    WindowProc(KeyEvent(SDL_KEYUP, SDLK_BACKSPACE));
    WindowProc(TextEvent("a\xC3\xA9")); // a, e acute (233)
    WindowProc(KeyEvent(SDL_KEYDOWN, SDLK_RETURN));
    WindowProc(KeyEvent(SDL_KEYUP, SDLK_RETURN));
    Widget* list = _layer->getWidget("players");
    WindowProc(ButtonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 500, 600 - (300 - 52 + 10), 2));

    const std::vector<std::string> events = Events();
    EXPECT_TRUE(Has(events, "Ok/down/0"));
    EXPECT_TRUE(Has(events, "Ok/press/0"));
    EXPECT_TRUE(Has(events, "back/press/0"));
    EXPECT_TRUE(Has(events, "music/Change/0"));
    EXPECT_TRUE(Has(events, "volume//50"));
    EXPECT_TRUE(Has(events, "players/DoubleClick/0"));
    EXPECT_TRUE(box->state);
    EXPECT_EQ("An" + std::string("a\xE9"), static_cast<EditBox*>(_layer->getWidget("nameEdit"))->editText);
    EXPECT_EQ("Bob", list->QueryState(Message("CurrentItem")).data);
    EXPECT_EQ("50", slider->QueryState(Message("GetPos")).data);

    // Drawn with the list box's tip of the hovered profile.
    WindowProc(MotionEvent(500, 600 - 310));
    EXPECT_EQ("Ann", g_listBoxTipBlink->tipPlayerName);
    for (int i = 0; i < 3; ++i)
        Events();
    GameFrameServices services;
    services.BeginFrame();
    services.DrawScreen(false);
    EXPECT_NEAR(At(400, 20)[1], 80, 3);
    services.EndFrame();
}
