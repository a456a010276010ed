// A layer file with every general widget kind, loaded and pushed in the real
// program's library, driven through the window procedure with the mouse and
// the keyboard; its script handler sees what the widgets post.

#include "engine/platform/Application.h"
#include "engine/platform/FrameServices.h"
#include "engine/platform/HtmlLog.h"
#include "engine/platform/InputMap.h"
#include "engine/platform/MainWindow.h"
#include "engine/platform/Settings.h"
#include "engine/platform/StartUp.h"
#include "engine/render/RenderDevice.h"
#include "engine/resources/ResourceManager.h"
#include "engine/script/ScriptHost.h"
#include "game/state/GameInfo.h"
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
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

using namespace testing_support;

namespace {

SDL_Event ButtonEvent(Uint32 type, int x, int y, Uint8 clicks = 1)
{
    SDL_Event event;
    std::memset(&event, 0, sizeof event);
    event.type = type;
    event.button.button = SDL_BUTTON_LEFT;
    event.button.clicks = clicks;
    event.button.x = x;
    event.button.y = y;
    return event;
}

SDL_Event MotionEvent(int x, int y)
{
    SDL_Event event;
    std::memset(&event, 0, sizeof event);
    event.type = SDL_MOUSEMOTION;
    event.motion.x = x;
    event.motion.y = y;
    return event;
}

SDL_Event TextEvent(const char* utf8)
{
    SDL_Event event;
    std::memset(&event, 0, sizeof event);
    event.type = SDL_TEXTINPUT;
    std::strncpy(event.text.text, utf8, sizeof event.text.text - 1);
    return event;
}

SDL_Event KeyEvent(Uint32 type, SDL_Keycode key)
{
    SDL_Event event;
    std::memset(&event, 0, sizeof event);
    event.type = type;
    event.key.keysym.sym = key;
    return event;
}

using Rgb = std::array<int, 3>;

class WidgetKindsEndToEndTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteTextFile(_game.File("settings.ini"), "path = .\n"
                                                  "useFullscreenAtFirst = false\n"
                                                  "useScreensaver = false\n"
                                                  "screensaver = saver.scr\n"
                                                  "useExternalScreensaver = false\n"
                                                  "splashes = 1\n"
                                                  "png = true\n"
                                                  "jpegPairs = false\n"
                                                  "firstStart = false\n"
                                                  "logInGameFolder = true\n"
                                                  "clearLog = true\n"
                                                  "gameInfoVersion = 1\n"
                                                  "title = Widget Test\n"
                                                  "highCharacters = true\n");
        WriteTextFile(_game.File("start.lua"), "ShowWindowIfNoSplashes()\n");
        WriteTextFile(_game.File("KeyMap.xml"), "<KeyMap />\n");
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

        _inGame = std::make_unique<ScopedCurrentDir>(_game.Path());
        g_settings = ReadSettingsFile("settings.ini");
        gameInfo._numOfSplashes = 0;
        OpenLogFile(_game.File("log.htm"), true);
        const std::pair<const char*, WidgetCreator> kinds[] = {
            {"Button", CreateButton}, {"CheckBox", CreateCheckBox},   {"Slider", CreateSlider},
            {"EditBox", CreateEditBox}, {"ListBox", CreateListBox}, {"Panel", CreatePanel},
            {"Animation", CreateAnimation}, {"SolidRect", CreateSolidRect}, {"Water", CreateWater},
        };
        for (const auto& kind : kinds)
            g_widgetFactory.Register(kind.first, kind.second);
        _app = std::make_unique<Application>(false);
        _app->Start();
        ASSERT_TRUE(_app->mainWindow && _app->mainWindow->IsCreated());

        LoadResource("resources.xml");
        GUI.LoadLayers("Widgets.xml");
        _layer = GUI.getLayer("Widgets");
        ASSERT_NE(_layer, nullptr);
        Screen.pushLayer(_layer);
    }

    void TearDown() override
    {
        Screen.ClearLayers();
        _app.reset();
        _inGame.reset();
    }

    // A left click at a screen point (y upward), with the move before it.
    static void Click(const Point& p)
    {
        WindowProc(MotionEvent(p.x, 600 - p.y));
        WindowProc(ButtonEvent(SDL_MOUSEBUTTONDOWN, p.x, 600 - p.y));
        WindowProc(ButtonEvent(SDL_MOUSEBUTTONUP, p.x, 600 - p.y));
    }

    static Point Centre(const Widget* widget)
    {
        return Point(widget->rect.x + widget->rect.w / 2, widget->rect.y + widget->rect.h / 2);
    }

    // Runs one frame (the layer's script gets the queued messages) and
    // returns what the script has recorded so far.
    std::vector<std::string> Events()
    {
        _app->running = true;
        _app->Frame();
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

    TempDir _game;
    std::unique_ptr<ScopedCurrentDir> _inGame;
    std::unique_ptr<Application> _app;
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
    WindowProc(ButtonEvent(SDL_MOUSEBUTTONDOWN, 500, 600 - (300 - 52 + 10), 2));

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
    EngineFrameServices services;
    services.BeginFrame();
    services.DrawScreen(false);
    const auto floor = g_renderDevice.Gl().ReadPixels(400, 20, 1, 1);
    EXPECT_NEAR(floor[1], 80, 3);
    services.EndFrame();
}
