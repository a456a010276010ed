#include "engine/platform/MainWindow.h"

#include "engine/platform/Application.h"
#include "engine/platform/HtmlLog.h"
#include "engine/platform/Settings.h"
#include "engine/render/RenderDevice.h"
#include "game/state/GameInfo.h"

#include <cstring>

int g_windowed = 1;
int g_desktopWidth = 0;
int g_desktopHeight = 0;
int g_captionHeight = 0;
bool g_keyDown[256];
bool g_windowDestroyed = false;

MainWindow::MainWindow(int mode)
{
    std::memset(g_keyDown, 0, sizeof g_keyDown);
    g_windowDestroyed = false;
    g_windowed = mode;
    if (backend::DesktopSize(g_desktopWidth, g_desktopHeight) && (g_desktopWidth < 800 || g_desktopHeight < 600))
        g_windowed = 0;

    backend::WindowDesc desc;
    desc.title = g_settings.windowTitle;
    desc.visible = gameInfo._numOfSplashes >= 1;
    desc.fullscreen = g_windowed == 0;
    if (!_window.Create(desc)) {
        LogError("Window", std::string("Can't create the window: ") + SDL_GetError());
        return;
    }
    // The adapter can only be asked once its context exists.
    g_renderDevice.Init(_window);
    g_renderDevice.LogAdapterInfo();
    _window.Raise();
}

MainWindow::~MainWindow()
{
    Release();
}

void MainWindow::Destroy()
{
    g_windowDestroyed = true;
    _window.Hide();
    if (g_application)
        g_application->OnWindowClosed();
}

void MainWindow::Release()
{
    // GPU objects go while their context still lives.
    if (_window.IsOpen())
        g_renderDevice.Release();
    _window.Destroy();
}

void MainWindow::SetDisplayMode(int mode)
{
    if (mode == g_windowed)
        return;
    g_windowed = mode;
    if (g_application)
        g_application->fullscreen = mode == 0;
    _window.SetFullscreen(mode == 0);
    g_renderDevice.SetWindowed(mode);
}

void MainWindow::Show()
{
    _window.Show();
    _window.Raise();
}

void WindowProc(const SDL_Event& event)
{
    if (!g_application)
        return;
    if (event.type != SDL_WINDOWEVENT)
        return;
    switch (event.window.event) {
    case SDL_WINDOWEVENT_CLOSE:
        g_application->OnWindowClosed();
        break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        g_application->OnActivated();
        break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        g_application->OnDeactivated();
        break;
    case SDL_WINDOWEVENT_EXPOSED:
        g_application->Repaint();
        break;
    default:
        break;
    }
}
