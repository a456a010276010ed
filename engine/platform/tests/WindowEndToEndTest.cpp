// The real program's window through its library: created from settings.ini,
// switched by scripts, paused by focus events pushed through the main loop.
// Runs under the offscreen driver and, through CTest, under Xvfb.

#include "app/GameParts.h"
#include "engine/platform/Application.h"
#include "engine/platform/HtmlLog.h"
#include "engine/platform/InputState.h"
#include "engine/platform/MainWindow.h"
#include "engine/platform/Settings.h"
#include "engine/platform/StartUp.h"
#include "tests/support/RecordingWidget.h"
#include "engine/script/ScriptHost.h"
#include "game/state/GameInfo.h"
#include "tests/support/EndToEndGame.h"
#include "tests/support/NullFrameServices.h"
#include "tests/support/SdlEvents.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <memory>

using namespace testing_support;

namespace {

bool EventsWaiting()
{
    SDL_PumpEvents();
    return SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0;
}

// Lets the window system settle and hands what it sent to the main loop.
void Settle(Application& app)
{
    for (int i = 0; i < 20; ++i) {
        SDL_Delay(10);
        for (int n = 0; n < 1000 && EventsWaiting() && !app.paused && app.running; ++n)
            app.Pump();
    }
}

void PushWindowEvent(SDL_WindowEventID id, Uint32 windowId)
{
    SDL_Event event = WindowEvent(id, windowId);
    ASSERT_EQ(SDL_PushEvent(&event), 1);
}

} // namespace

TEST(WindowEndToEnd, OpensSwitchesModesAndPausesOnFocusLoss)
{
    TempDir game;
    WriteTextFile(game.File("settings.ini"), WindowedGameSettings("Window Test Title"));
    WriteTextFile(game.File("start.lua"), "ShowWindowIfNoSplashes()\n");
    ScopedCurrentDir inGame(game.Path());
    g_settings = ReadSettingsFile("settings.ini");
    g_windowTitle = g_settings.windowTitle;
    gameInfo._numOfSplashes = 0;
    OpenLogFile(game.File("log.htm"), true);

    std::int64_t now = 0;
    GameParts parts;
    Application app(false, std::make_unique<NullFrameServices>(true), Timer([&now] { return now += 10; }, 1000),
                    &parts);
    app.Start();
    ASSERT_NE(app.mainWindow, nullptr);
    ASSERT_TRUE(app.mainWindow->IsCreated());
    SDL_Window* window = app.mainWindow->Platform().Handle();
    app.running = true; // as the main loop sets it
    Settle(app);

    // Windowed, 800 x 600, titled from line 13, shown by the start script.
    EXPECT_STREQ(SDL_GetWindowTitle(window), "Window Test Title");
    int w = 0, h = 0;
    SDL_GetWindowSize(window, &w, &h);
    EXPECT_EQ(w, 800);
    EXPECT_EQ(h, 600);
    EXPECT_EQ(g_windowed, 1);
    EXPECT_FALSE(app.mainWindow->Platform().IsFullscreen());
    EXPECT_TRUE(SDL_GetWindowFlags(window) & SDL_WINDOW_SHOWN);

    const std::string log = ReadTextFile(game.File("log.htm"));
    EXPECT_NE(log.find("System information"), std::string::npos);
    EXPECT_NE(log.find("OS: "), std::string::npos);
    EXPECT_NE(log.find("K total, "), std::string::npos);
    EXPECT_NE(log.find("K free"), std::string::npos);

    // Full screen from a script, with the switch left out of the clock.
    const std::int64_t pausedBefore = app.timer.pausedTicks;
    ASSERT_TRUE(RunScriptString("SetFullscreenMode()"));
    EXPECT_EQ(app.timer.pausedTicks - pausedBefore, 10);
    Settle(app);
    EXPECT_EQ(g_windowed, 0);
    EXPECT_TRUE(app.fullscreen);
    EXPECT_TRUE(app.mainWindow->Platform().IsFullscreen());

    // The pointer maps back to the 800 x 600 screen.
    SDL_GetWindowSize(window, &w, &h);
    WindowProc(MotionEvent(w / 2, h / 2));
    EXPECT_NEAR(g_input.x, 400, 1);
    EXPECT_NEAR(g_input.y, 300, 1);

    // A second request for the same mode changes nothing.
    ASSERT_TRUE(RunScriptString("SetFullscreenMode()"));
    EXPECT_EQ(g_windowed, 0);

    ASSERT_TRUE(RunScriptString("SetWindowedMode()"));
    Settle(app);
    EXPECT_EQ(g_windowed, 1);
    EXPECT_FALSE(app.fullscreen);
    EXPECT_FALSE(app.mainWindow->Platform().IsFullscreen());
    SDL_GetWindowSize(window, &w, &h);
    EXPECT_EQ(w, 800);
    EXPECT_EQ(h, 600);

    // Focus events through the main loop's pump.
    Settle(app);
    g_input.buttonDown = true;
    PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST, SDL_GetWindowID(window));
    while (EventsWaiting() && !app.paused)
        EXPECT_TRUE(app.Pump());
    EXPECT_TRUE(app.paused);
    EXPECT_FALSE(g_input.buttonDown);

    PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED, SDL_GetWindowID(window));
    now = 100000;
    while (EventsWaiting())
        EXPECT_TRUE(app.Pump()); // while paused the loop waits for events
    EXPECT_FALSE(app.paused);
    EXPECT_EQ(app.timer.pausedTicks, 0);
    EXPECT_GE(app.timer.start, 100000);

    g_log.Close();
}
