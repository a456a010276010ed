#pragma once

// The one application window: an 800 x 600 client area, windowed (centred on
// the desktop) or full screen (the desktop's own mode, the 800 x 600 picture
// scaled and letterboxed), and the window procedure that turns platform
// events into the engine's reactions.

#include "engine/backend/Window.h"
#include "engine/render/Rect.h"

#include <SDL2/SDL_events.h>

class MainWindow {
public:
    // mode 0: full screen, 1: windowed (full screen anyway on a desktop
    // smaller than 800 x 600). Shown at once when visible (there are splash
    // images); ShowWindowIfNoSplashes shows it otherwise.
    MainWindow(int mode, bool visible);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    bool IsCreated() const { return _window.IsOpen(); }

    // Script CloseApplication: the window goes away from the player's view
    // and the loop ends; the GL context stays until Release, after shut-down.
    void Destroy();
    // Frees the context and the window.
    void Release();

    // 0 full screen, 1 windowed; nothing happens for the current mode.
    void SetDisplayMode(int mode);
    void Show();
    void Present() { _window.SwapBuffers(); }

    // Where the 800 x 600 picture lies in the drawable, in pixels with y
    // counted from the top: the whole drawable when windowed, the largest
    // centred rectangle of the same shape in full screen.
    Rect LetterboxRect() const;
    // A point of the window (y downward) on the 800 x 600 logical screen
    // (still y downward), clamped to it.
    void WindowToLogical(int windowX, int windowY, int& x, int& y) const;

    // The letterbox rectangle of an 800 x 600 picture in an area of that size.
    static Rect LetterboxFor(int areaWidth, int areaHeight);
    // A point of an area of that size on the 800 x 600 logical screen.
    static void MapToLogical(int areaWidth, int areaHeight, int areaX, int areaY, int& x, int& y);

    backend::Window& Platform() { return _window; }

    int width = 800;
    int height = 600;

private:
    void PlaceWindowed(int displayWidth);

    backend::Window _window;
};

// The window procedure: one platform event.
void WindowProc(const SDL_Event& event);

// "System information", the system's name and release, and its memory.
void LogSystemInformation();

// Script functions: switch the display mode with the frame timer paused.
void SetFullscreenMode();
void SetWindowedMode();

extern int g_windowed;
extern int g_desktopWidth;
extern int g_desktopHeight;
extern int g_captionHeight;
extern bool g_keyDown[256];
// Key presses since the start, held repeats not counted: a key pressed and
// released within one frame still counts.
extern unsigned g_keyPresses;
extern bool g_windowDestroyed;
