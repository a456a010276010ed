#pragma once

// The platform window: one SDL window with an OpenGL 2.1 compatibility
// context. The engine's MainWindow holds the behaviour; this only translates.

#include <string>

#include <SDL2/SDL.h>

namespace backend {

struct WindowDesc {
    std::string title;
    int width = 800;
    int height = 600;
    bool visible = false;
    bool fullscreen = false; // desktop full screen, the picture scaled and letterboxed
};

class Window {
public:
    Window() = default;
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Creates the window centred on the desktop and makes its context current.
    bool Create(const WindowDesc& desc);
    // Destroys the context and then the window. Nothing may call GL afterwards.
    void Destroy();
    bool IsOpen() const { return _window != nullptr; }

    void Show();
    void Hide();
    void Raise();
    void SetFullscreen(bool fullscreen);
    bool IsFullscreen() const;
    bool IsMinimized() const;
    void SetAlwaysOnTop(bool onTop);
    // Client-area size and position, in window coordinates.
    void SetSize(int width, int height);
    void SetPosition(int x, int y);
    void Size(int& width, int& height) const;
    void Position(int& x, int& y) const;
    // The height of the caption and top frame above the client area (0 when
    // the window system does not tell).
    int CaptionHeight() const;
    // Flushes the frame's GL commands, then presents.
    void SwapBuffers();
    // Whether the driver took the swap interval of 1 at creation. Even when it
    // did, a swap need not wait for the display (software GL, offscreen).
    bool SwapIntervalSet() const { return _swapIntervalSet; }
    // The refresh rate of the window's display in Hz; 0 when unknown.
    int RefreshRate() const;

    SDL_Window* Handle() const { return _window; }
    Uint32 Id() const { return _window ? SDL_GetWindowID(_window) : 0; }
    void DrawableSize(int& width, int& height) const;

private:
    SDL_Window* _window = nullptr;
    SDL_GLContext _context = nullptr;
    bool _swapIntervalSet = false;
};

// Starts SDL's video and timer parts once; true when video is available.
bool InitVideo();

// The desktop's size; false when no display answers.
bool DesktopSize(int& width, int& height);

// The system's cursors. A cursor made here is freed with FreeCursor before
// the video system shuts down.
SDL_Cursor* CreateSystemCursor(bool hand);
void SetCursor(SDL_Cursor* cursor);
void FreeCursor(SDL_Cursor* cursor);
// The system cursor's display: showing or hiding twice changes nothing.
void ShowSystemCursor(bool visible);
// The pointer on the desktop; false when the system cannot tell.
bool GlobalMousePosition(int& x, int& y);

// True when an OpenGL 2.1 compatibility context can be created.
bool CanCreateGl21Context(std::string& failure);

// A modal message where a real display exists (never under the offscreen
// driver); always harmless.
void ShowMessageBox(const std::string& title, const std::string& text);

} // namespace backend
