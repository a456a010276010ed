#pragma once

// The one application window: 800 x 600 client area, windowed or full
// screen, and the window procedure that turns platform events into the
// engine's reactions.

#include "engine/backend/Window.h"

#include <SDL2/SDL_events.h>

class MainWindow {
public:
    // mode 0: full screen, 1: windowed. Visible only when there are splash
    // images (ShowWindowIfNoSplashes shows it otherwise).
    explicit MainWindow(int mode);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    bool IsCreated() const { return _window.IsOpen(); }

    // Script CloseApplication: the window goes away from the player's view
    // and the loop ends; the GL context stays until Release, after shut-down.
    void Destroy();
    // Frees the context and the window.
    void Release();

    void SetDisplayMode(int mode);
    void Show();
    void Present() { _window.SwapBuffers(); }

    backend::Window& Platform() { return _window; }

    int width = 800;
    int height = 600;

private:
    backend::Window _window;
};

// The window procedure: one platform event.
void WindowProc(const SDL_Event& event);

extern int g_windowed;
extern int g_desktopWidth;
extern int g_desktopHeight;
extern int g_captionHeight;
extern bool g_keyDown[256];
extern bool g_windowDestroyed;
