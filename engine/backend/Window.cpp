#include "engine/backend/Window.h"

#include <GL/gl.h>

#include <cstring>

namespace backend {

namespace {

void RequestGl21()
{
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, 0);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
}

bool RealDisplay()
{
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver && std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0;
}

} // namespace

bool InitVideo()
{
    if (SDL_WasInit(SDL_INIT_VIDEO))
        return true;
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    return SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) == 0;
}

bool DesktopSize(int& width, int& height)
{
    SDL_DisplayMode mode;
    if (!InitVideo() || SDL_GetDesktopDisplayMode(0, &mode) != 0)
        return false;
    width = mode.w;
    height = mode.h;
    return true;
}

bool CanCreateGl21Context(std::string& failure)
{
    if (!InitVideo()) {
        failure = SDL_GetError();
        return false;
    }
    RequestGl21();
    // The GL library stays loaded from here on: otherwise the probe window's
    // end unloads the driver and the game's window loads it all over again.
    static const bool libraryKept = SDL_GL_LoadLibrary(nullptr) == 0;
    (void)libraryKept;
    SDL_Window* probe = SDL_CreateWindow("probe", 0, 0, 16, 16, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (!probe) {
        failure = SDL_GetError();
        return false;
    }
    SDL_GLContext context = SDL_GL_CreateContext(probe);
    bool ok = context != nullptr;
    if (!ok)
        failure = SDL_GetError();
    if (context) {
        int major = 0, minor = 0;
        SDL_GL_GetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, &major);
        SDL_GL_GetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, &minor);
        if (major < 2 || (major == 2 && minor < 1)) {
            ok = false;
            failure = "OpenGL 2.1 is not available";
        }
        SDL_GL_DeleteContext(context);
    }
    SDL_DestroyWindow(probe);
    return ok;
}

void ShowMessageBox(const std::string& title, const std::string& text)
{
    if (SDL_WasInit(SDL_INIT_VIDEO) && RealDisplay())
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), text.c_str(), nullptr);
}

Window::~Window()
{
    Destroy();
}

bool Window::Create(const WindowDesc& desc)
{
    if (!InitVideo())
        return false;
    RequestGl21();
    Uint32 flags = SDL_WINDOW_OPENGL | (desc.visible ? SDL_WINDOW_SHOWN : SDL_WINDOW_HIDDEN);
    if (desc.fullscreen)
        flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    _window = SDL_CreateWindow(desc.title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, desc.width,
                               desc.height, flags);
    if (!_window)
        return false;
    _context = SDL_GL_CreateContext(_window);
    if (!_context) {
        SDL_DestroyWindow(_window);
        _window = nullptr;
        return false;
    }
    SDL_GL_MakeCurrent(_window, _context);
    _swapIntervalSet = SDL_GL_SetSwapInterval(1) == 0;
    return true;
}

void Window::Destroy()
{
    if (_context) {
        SDL_GL_DeleteContext(_context);
        _context = nullptr;
    }
    if (_window) {
        SDL_DestroyWindow(_window);
        _window = nullptr;
    }
    _swapIntervalSet = false;
}

void Window::Show()
{
    if (_window)
        SDL_ShowWindow(_window);
}

void Window::Hide()
{
    if (_window)
        SDL_HideWindow(_window);
}

void Window::Raise()
{
    if (_window)
        SDL_RaiseWindow(_window);
}

void Window::SetFullscreen(bool fullscreen)
{
    if (_window)
        SDL_SetWindowFullscreen(_window, fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
}

bool Window::IsFullscreen() const
{
    return _window && (SDL_GetWindowFlags(_window) & SDL_WINDOW_FULLSCREEN) != 0;
}

bool Window::IsMinimized() const
{
    return _window && (SDL_GetWindowFlags(_window) & SDL_WINDOW_MINIMIZED) != 0;
}

void Window::SetAlwaysOnTop(bool onTop)
{
    if (_window)
        SDL_SetWindowAlwaysOnTop(_window, onTop ? SDL_TRUE : SDL_FALSE);
}

void Window::SetSize(int width, int height)
{
    if (_window)
        SDL_SetWindowSize(_window, width, height);
}

void Window::SetPosition(int x, int y)
{
    if (_window)
        SDL_SetWindowPosition(_window, x, y);
}

void Window::Size(int& width, int& height) const
{
    width = 800;
    height = 600;
    if (_window)
        SDL_GetWindowSize(_window, &width, &height);
}

void Window::Position(int& x, int& y) const
{
    x = 0;
    y = 0;
    if (_window)
        SDL_GetWindowPosition(_window, &x, &y);
}

int Window::CaptionHeight() const
{
    int top = 0;
    if (!_window || SDL_GetWindowBordersSize(_window, &top, nullptr, nullptr, nullptr) != 0)
        return 0;
    return top;
}

void Window::SwapBuffers()
{
    if (!_window)
        return;
    // A swap need not flush: under the offscreen driver it does nothing at
    // all, and the driver would queue frame after frame until its buffers
    // fill. One flush a frame keeps the queue (and the teardown) short on a
    // display. With no display, a flush is not enough: on a busy machine a
    // software renderer falls behind, and its queue of frames not yet drawn
    // holds tens of megabytes. There the frame is finished before the next.
    if (RealDisplay())
        glFlush();
    else
        glFinish();
    SDL_GL_SwapWindow(_window);
}

int Window::RefreshRate() const
{
    SDL_DisplayMode mode;
    if (!_window || SDL_GetWindowDisplayMode(_window, &mode) != 0)
        return 0;
    return mode.refresh_rate > 0 ? mode.refresh_rate : 0;
}

void Window::DrawableSize(int& width, int& height) const
{
    width = 800;
    height = 600;
    if (_window)
        SDL_GL_GetDrawableSize(_window, &width, &height);
}


SDL_Cursor* CreateSystemCursor(bool hand)
{
    return SDL_CreateSystemCursor(hand ? SDL_SYSTEM_CURSOR_HAND : SDL_SYSTEM_CURSOR_ARROW);
}

void SetCursor(SDL_Cursor* cursor)
{
    if (cursor)
        SDL_SetCursor(cursor);
}

void FreeCursor(SDL_Cursor* cursor)
{
    if (cursor && SDL_WasInit(SDL_INIT_VIDEO))
        SDL_FreeCursor(cursor);
}

void ShowSystemCursor(bool visible)
{
    SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

bool GlobalMousePosition(int& x, int& y)
{
    x = 0;
    y = 0;
    if (!SDL_WasInit(SDL_INIT_VIDEO))
        return false;
    SDL_GetGlobalMouseState(&x, &y);
    return true;
}

} // namespace backend
