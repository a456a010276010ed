#pragma once

// The application object: brings the engine up, runs the single-threaded
// main loop that interleaves window events with frames, and is published
// through g_application for the window procedure and the scripts.

#include "engine/platform/ApplicationParts.h"
#include "engine/platform/FrameServices.h"
#include "engine/platform/Timer.h"

#include <memory>
#include <string>
#include <vector>

#include <SDL2/SDL_events.h>
#include <SDL2/SDL_mouse.h>

class FramePacer;
class MainWindow;

class Application {
public:
    // services: the frame's collaborators; parts: what the layers above the
    // engine add to the start (none: the engine alone).
    Application(bool fullscreenOption, std::unique_ptr<FrameServices> services, Timer timer = Timer(),
                ApplicationParts* parts = nullptr);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Brings the engine up in its fixed order and runs start.lua last. False
    // when the start script failed: the player has been told, and the
    // program must end.
    bool Start();
    // The main loop; returns when it ends. Its frames are paced to the
    // display where the swap does not wait for it.
    void Run();
    // What the main loop does before its first pass (Run = BeginLoop, then
    // Pump until it returns false).
    void BeginLoop();
    // One pass of the loop: one window event, or one frame when none waits.
    // Paced (inside Run), a pass that finds no event before the next frame is
    // due waits for one until then instead. False once the loop has ended.
    bool Pump();
    // One frame in its fixed order.
    void Frame();
    // One frame without updates (the window was exposed).
    void Repaint();

    // Script CloseApplication: destroys the main window, which ends the loop.
    void Close();
    // The window's close handling: runs once.
    void OnWindowClosed();
    void OnActivated();
    void OnDeactivated();
    // Binds keys to script text from KeyMap.xml in the current folder.
    void LoadKeyMap();
    // Decides whether the custom cursor is drawn, and shows or hides the
    // system cursor accordingly.
    void UpdateCursorVisibility();
    // The system cursor while the custom one is not in use.
    void SetSystemCursor(bool hand);

    // What the cursor rules decide: full screen follows the option; windowed
    // uses the custom cursor only while the pointer is over the client area.
    struct CursorVisibility {
        bool customCursorInUse;
        bool showSystemCursor;
    };
    static CursorVisibility DecideCursorVisibility(bool fullscreenMode, bool option, bool pointerInside);
    // The pointer counts as inside the window's rectangle below its caption.
    static bool PointerInsideWindow(int x, int y, int left, int top, int right, int bottom, int captionHeight);

    MainWindow* mainWindow = nullptr;
    bool fullscreen = false;
    bool customCursorInUse = false;
    SDL_Cursor* arrowCursor = nullptr;
    SDL_Cursor* handCursor = nullptr;
    bool running = false;
    std::vector<std::string> keyScripts;
    // The player's option, read before Start.
    bool customCursorOption = false;
    // How many splash images there are: none shows the window only when a
    // script asks (ShowWindowIfNoSplashes).
    int splashCount = 0;
    bool showFrameRate = true;
    bool paused = false;
    Timer timer;

    // Frame-rate counters of the loop.
    int framesDrawn = 0;
    int frameRateShown = 0;
    float frameTimeGathered = 0.0f;

private:
    void DrawSplashFrame();
    void FreeSystemCursors();
    void HandleEvent(const SDL_Event& event);

    std::unique_ptr<FrameServices> _frame;
    ApplicationParts* _parts = nullptr;
    // Only the real loop paces its frames; loops driven pass by pass do not.
    std::unique_ptr<FramePacer> _pacer;
    bool _loopEnded = false;
    bool _closeHandled = false;
    bool _handShown = false;
};

extern Application* g_application;

// Releases what the engine holds on the device (splash, cursor, resource
// textures, the device's own objects) while the context still lives.
void ReleaseEngineResources();

// Leaves the time spent in its scope out of the next frame step.
class ScopedTimerPause {
public:
    ScopedTimerPause();
    ~ScopedTimerPause();
    ScopedTimerPause(const ScopedTimerPause&) = delete;
    ScopedTimerPause& operator=(const ScopedTimerPause&) = delete;
};

// Script functions served by the application.
void CloseApplication();
void SetCustomCursor(bool enabled);
// The splash picture is drawn no more, and its memory is freed.
void ResetSplash();
void ShowWindowIfNoSplashes();

extern bool g_drawSplash;

class Sprite;
extern Sprite* g_splashSprite;
// The first splash image that exists, uploaded with linear filtering.
void LoadSplashSprite();
void ReleaseSplashSprite();
