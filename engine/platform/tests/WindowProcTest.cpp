#include "app/GameFrameServices.h"
#include "engine/platform/Application.h"
#include "gui/InputMap.h"
#include "engine/platform/MainWindow.h"
#include "tests/support/RecordingWidget.h"
#include "engine/script/ScriptHost.h"
#include "tests/support/NullFrameServices.h"
#include "tests/support/SdlEvents.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

using namespace testing_support;

namespace {

int LuaNumber(const char* name)
{
    lua_getglobal(g_luaState, name);
    const int value = lua_isnumber(g_luaState, -1) ? static_cast<int>(lua_tointeger(g_luaState, -1)) : 0;
    lua_pop(g_luaState, 1);
    return value;
}

class WindowProcTest : public testing::Test {
protected:
    WindowProcTest()
        : app(false, std::make_unique<NullFrameServices>(true), Timer([this] { return now; }, 1000))
        , widget("w", Rect(0, 0, 800, 600), journal)
    {
    }

    void SetUp() override
    {
        std::memset(g_keyDown, 0, sizeof g_keyDown);
        g_inputWidgets.Clear();
        g_messageQueue.clear();
        g_input = InputState(&g_inputWidgets);
        widget.fixed = true;
        widget.recordMoves = false;
        g_inputWidgets.Add(&widget);
    }
    void TearDown() override
    {
        g_inputWidgets.Clear();
        g_messageQueue.clear();
        g_input = InputState(&g_inputWidgets);
    }

    std::int64_t now = 0;
    Application app;
    Journal journal;
    RecordingWidget widget;
};

} // namespace

TEST_F(WindowProcTest, EscapeKeySendsKeyPressThenQueuesEscape)
{
    WindowProc(KeyEvent(SDL_KEYDOWN, SDLK_ESCAPE));
    EXPECT_EQ(journal, (Journal{"w:KeyPress 27"}));
    ASSERT_EQ(g_messageQueue.size(), 1u);
    EXPECT_TRUE(g_messageQueue.front().is("Escape"));

    WindowProc(KeyEvent(SDL_KEYDOWN, SDLK_RETURN));
    WindowProc(KeyEvent(SDL_KEYDOWN, SDLK_KP_ENTER));
    ASSERT_EQ(g_messageQueue.size(), 3u);
    EXPECT_TRUE(g_messageQueue.back().is("Enter"));
}

TEST_F(WindowProcTest, ControlCharactersComeFromKeysAndTextFromTextInput)
{
    WindowProc(KeyEvent(SDL_KEYDOWN, SDLK_BACKSPACE));
    WindowProc(KeyEvent(SDL_KEYDOWN, SDLK_TAB));
    WindowProc(KeyEvent(SDL_KEYDOWN, SDLK_a)); // its character arrives as text
    WindowProc(TextEvent("a\xC3\xA9\xE2\x82\xAC\xE4\xB8\xAD")); // a, e acute, euro sign, a CJK ideograph
    EXPECT_EQ(journal, (Journal{"w:KeyPress 8", "w:KeyPress 9", "w:KeyPress 97", "w:KeyPress 233", "w:KeyPress 128"}));
    EXPECT_TRUE(g_messageQueue.empty());
}

TEST_F(WindowProcTest, VirtualKeyCodes)
{
    const struct {
        SDL_Keycode key;
        int code;
    } cases[] = {
        {SDLK_a, 65},      {SDLK_z, 90},     {SDLK_0, 48},     {SDLK_9, 57},      {SDLK_SPACE, 32},
        {SDLK_RETURN, 13}, {SDLK_ESCAPE, 27}, {SDLK_BACKSPACE, 8}, {SDLK_TAB, 9}, {SDLK_LEFT, 37},
        {SDLK_UP, 38},     {SDLK_RIGHT, 39}, {SDLK_DOWN, 40},  {SDLK_F1, 112},    {SDLK_KP_0, 96},
        {SDLK_KP_9, 105},  {SDLK_LSHIFT, 16}, {SDLK_DELETE, 46}, {SDLK_F12, 123},
    };
    for (const auto& c : cases) {
        std::memset(g_keyDown, 0, sizeof g_keyDown);
        WindowProc(KeyEvent(SDL_KEYDOWN, c.key));
        EXPECT_TRUE(g_keyDown[c.code]) << c.code;
        WindowProc(KeyEvent(SDL_KEYUP, c.key));
        EXPECT_FALSE(g_keyDown[c.code]) << c.code;
    }
}

TEST_F(WindowProcTest, KeyScriptRunsOncePerPressAndNeverFromCode91)
{
    OpenScriptState();
    RunScriptString("keyCount = 0 highCount = 0");
    app.keyScripts[65] = "keyCount = keyCount + 1";
    // Entries past 90 are never run, even when present.
    app.keyScripts.resize(256, "highCount = highCount + 1");

    WindowProc(KeyEvent(SDL_KEYDOWN, SDLK_a));
    WindowProc(KeyEvent(SDL_KEYDOWN, SDLK_a, true)); // held: repeats
    WindowProc(KeyEvent(SDL_KEYDOWN, SDLK_a, true));
    EXPECT_EQ(LuaNumber("keyCount"), 1);
    WindowProc(KeyEvent(SDL_KEYUP, SDLK_a));
    WindowProc(KeyEvent(SDL_KEYDOWN, SDLK_a));
    EXPECT_EQ(LuaNumber("keyCount"), 2);

    WindowProc(KeyEvent(SDL_KEYDOWN, SDLK_F1));
    WindowProc(KeyEvent(SDL_KEYDOWN, SDLK_KP_5));
    WindowProc(KeyEvent(SDL_KEYDOWN, SDLK_LGUI));
    EXPECT_EQ(LuaNumber("highCount"), 0);
    EXPECT_TRUE(g_keyDown[112]);
}

TEST_F(WindowProcTest, RightButtonFlags)
{
    WindowProc(MotionEvent(100, 100));
    WindowProc(ButtonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 100, 100));
    EXPECT_TRUE(g_input.rightButton);
    EXPECT_TRUE(g_input.buttonDown);
    WindowProc(ButtonEvent(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, 100, 100));
    EXPECT_FALSE(g_input.rightButton);
    EXPECT_FALSE(g_input.buttonDown);

    WindowProc(ButtonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 100, 100));
    EXPECT_FALSE(g_input.rightButton);
    WindowProc(ButtonEvent(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 100, 100));
    EXPECT_EQ(journal, (Journal{"w:down(right)", "w:up", "w:down", "w:up"}));
}

TEST_F(WindowProcTest, SecondQuickPressIsADoubleClickOnly)
{
    WindowProc(ButtonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 10, 10, 1));
    WindowProc(ButtonEvent(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 10, 10, 1));
    WindowProc(ButtonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 10, 10, 2));
    WindowProc(ButtonEvent(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 10, 10, 2));
    WindowProc(ButtonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 10, 10, 3));
    EXPECT_EQ(journal, (Journal{"w:down", "w:up", "w:double", "w:up", "w:down"}));
}

TEST_F(WindowProcTest, LosingFocusClearsHeldInputAndPausesTheClock)
{
    OpenScriptState();
    RunScriptString("presses = 0");
    app.keyScripts[80] = "presses = presses + 1";
    WindowProc(ButtonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 10, 10));
    WindowProc(KeyEvent(SDL_KEYDOWN, SDLK_p));
    ASSERT_TRUE(g_input.buttonDown);

    WindowProc(WindowEvent(SDL_WINDOWEVENT_FOCUS_LOST));
    EXPECT_TRUE(app.paused);
    EXPECT_FALSE(g_input.buttonDown);
    EXPECT_FALSE(g_input.rightButton);
    EXPECT_FALSE(g_keyDown[80]);

    now = 5000;
    WindowProc(WindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED));
    EXPECT_FALSE(app.paused);
    EXPECT_EQ(app.timer.start, 5000); // the next step starts from the activation
    EXPECT_EQ(app.timer.pausedTicks, 0);

    // Nothing is stuck: a new press is sent, and the key's script runs again.
    journal.clear();
    WindowProc(ButtonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 10, 10));
    WindowProc(KeyEvent(SDL_KEYDOWN, SDLK_p));
    EXPECT_EQ(journal, (Journal{"w:down"}));
    EXPECT_EQ(LuaNumber("presses"), 2);
}

TEST_F(WindowProcTest, CloseEndsTheLoop)
{
    app.running = true;
    WindowProc(WindowEvent(SDL_WINDOWEVENT_CLOSE));
    EXPECT_FALSE(app.running);
    EXPECT_FALSE(app.Pump());
}

TEST_F(WindowProcTest, FrameResendsTheMousePosition)
{
    widget.recordMoves = true;
    WindowProc(MotionEvent(30, 40));
    journal.clear();
    GameFrameServices services;
    services.ResendMousePosition();
    EXPECT_EQ(journal, (Journal{"w:move 30,560"}));
}
