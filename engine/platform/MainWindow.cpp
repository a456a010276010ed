#include "engine/platform/MainWindow.h"

#include "engine/platform/Application.h"
#include "engine/platform/HtmlLog.h"
#include "engine/platform/InputState.h"
#include "engine/platform/Settings.h"
#include "engine/platform/StartUp.h"
#include "engine/platform/VirtualKeys.h"
#include "engine/render/RenderDevice.h"
#include "engine/script/ScriptHost.h"
#include "engine/util/Windows1252.h"

#include <sys/sysinfo.h>
#include <sys/utsname.h>

#include <algorithm>
#include <cstring>
#include <string>

int g_windowed = 1;
int g_desktopWidth = 0;
int g_desktopHeight = 0;
int g_captionHeight = 0;
bool g_keyDown[256];
unsigned g_keyPresses = 0; // demohelp
bool g_windowDestroyed = false;

namespace {
const int kLogicalWidth = 800;
const int kLogicalHeight = 600;
} // namespace

void LogSystemInformation()
{
    g_log.Write("System information", "Blue");
    struct utsname name;
    if (uname(&name) == 0)
        g_log.WritePlain(std::string("OS: ") + name.sysname + " " + name.release);
    else
        g_log.WritePlain("OS: unknown");
    struct sysinfo info;
    if (sysinfo(&info) == 0) {
        const unsigned long long unit = info.mem_unit ? info.mem_unit : 1;
        const unsigned long long total = static_cast<unsigned long long>(info.totalram) * unit / 1024;
        const unsigned long long free = static_cast<unsigned long long>(info.freeram) * unit / 1024;
        g_log.WritePlain("Memory: " + std::to_string(total) + "K total, " + std::to_string(free) + "K free");
    }
}

MainWindow::MainWindow(int mode, bool visible)
{
    std::memset(g_keyDown, 0, sizeof g_keyDown);
    g_windowDestroyed = false;
    g_windowed = mode;
    if (backend::DesktopSize(g_desktopWidth, g_desktopHeight) &&
        (g_desktopWidth < kLogicalWidth || g_desktopHeight < kLogicalHeight))
        g_windowed = 0;

    LogSystemInformation();

    backend::WindowDesc desc;
    desc.title = g_windowTitle.empty() ? g_settings.windowTitle : g_windowTitle;
    desc.width = kLogicalWidth;
    desc.height = kLogicalHeight;
    desc.visible = visible;
    desc.fullscreen = g_windowed == 0;
    if (!_window.Create(desc)) {
        LogError("Window", std::string("Can't create the window: ") + SDL_GetError());
        return;
    }
    // The adapter can only be asked once its context exists.
    g_renderDevice.Init(_window);
    g_renderDevice.LogAdapterInfo();
    _window.Raise();
    if (g_windowed == 0) {
        _window.SetAlwaysOnTop(true);
    } else {
        g_captionHeight = _window.CaptionHeight();
        PlaceWindowed(g_desktopWidth);
    }
    _window.Raise();
}

MainWindow::~MainWindow()
{
    Release();
}

void MainWindow::PlaceWindowed(int displayWidth)
{
    _window.SetAlwaysOnTop(false);
    _window.SetSize(kLogicalWidth, kLogicalHeight);
    // The client area is centred; on a desktop exactly 800 wide it fills the
    // screen and the caption lies above it.
    if (displayWidth == kLogicalWidth)
        _window.SetPosition(0, 0);
    else
        _window.SetPosition(g_desktopWidth / 2 - kLogicalWidth / 2, g_desktopHeight / 2 - kLogicalHeight / 2);
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
    if (mode == 0) {
        _window.SetFullscreen(true);
        _window.SetAlwaysOnTop(true);
        _window.Raise();
        // The device scales the 800 x 600 picture into the desktop's mode.
        g_renderDevice.SetWindowed(mode);
        if (g_application)
            g_application->customCursorInUse = true;
    } else {
        _window.SetFullscreen(false);
        _window.Show();
        _window.Raise();
        g_renderDevice.SetWindowed(mode);
        int displayWidth = g_desktopWidth;
        int displayHeight = g_desktopHeight;
        backend::DesktopSize(displayWidth, displayHeight);
        g_captionHeight = _window.CaptionHeight();
        PlaceWindowed(displayWidth);
    }
}

void MainWindow::Show()
{
    _window.Show();
    _window.Raise();
}

Rect MainWindow::LetterboxFor(int areaWidth, int areaHeight)
{
    if (areaWidth <= 0 || areaHeight <= 0)
        return Rect(0, 0, kLogicalWidth, kLogicalHeight);
    // The largest rectangle of the picture's shape that fits, centred: the
    // same rectangle the GL layer draws into.
    const double scale = std::min(areaWidth / double(kLogicalWidth), areaHeight / double(kLogicalHeight));
    const int w = static_cast<int>(kLogicalWidth * scale + 0.5);
    const int h = static_cast<int>(kLogicalHeight * scale + 0.5);
    return Rect((areaWidth - w) / 2, (areaHeight - h) / 2, w, h);
}

void MainWindow::MapToLogical(int areaWidth, int areaHeight, int areaX, int areaY, int& x, int& y)
{
    const Rect box = LetterboxFor(areaWidth, areaHeight);
    const long long lx = static_cast<long long>(areaX - box.x) * kLogicalWidth / std::max(box.w, 1);
    const long long ly = static_cast<long long>(areaY - box.y) * kLogicalHeight / std::max(box.h, 1);
    x = static_cast<int>(std::clamp<long long>(lx, 0, kLogicalWidth - 1));
    y = static_cast<int>(std::clamp<long long>(ly, 0, kLogicalHeight - 1));
}

Rect MainWindow::LetterboxRect() const
{
    int w = kLogicalWidth, h = kLogicalHeight;
    _window.DrawableSize(w, h);
    if (g_windowed != 0)
        return Rect(0, 0, w, h);
    return LetterboxFor(w, h);
}

void MainWindow::WindowToLogical(int windowX, int windowY, int& x, int& y) const
{
    int w = kLogicalWidth, h = kLogicalHeight;
    _window.Size(w, h);
    MapToLogical(w, h, windowX, windowY, x, y);
}

void SetFullscreenMode()
{
    if (!g_application || !g_application->mainWindow)
        return;
    ScopedTimerPause pause;
    g_application->mainWindow->SetDisplayMode(0);
}

void SetWindowedMode()
{
    if (!g_application || !g_application->mainWindow)
        return;
    ScopedTimerPause pause;
    g_application->mainWindow->SetDisplayMode(1);
}

namespace {

// A button held or a key down when the focus went elsewhere never sees its
// release: forget them so nothing stays stuck.
void ClearHeldInput()
{
    g_input.buttonDown = false;
    g_input.rightButton = false;
    std::memset(g_keyDown, 0, sizeof g_keyDown);
}

void OnWindowEvent(const SDL_WindowEvent& window)
{
    switch (window.event) {
    case SDL_WINDOWEVENT_CLOSE:
        // Stops the sound and ends the loop, once.
        g_application->OnWindowClosed();
        break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        if (g_application->mainWindow && g_application->mainWindow->Platform().IsMinimized())
            break;
        // Resumes the sound and restarts the clock.
        g_application->OnActivated();
        break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        ClearHeldInput();
        // Pauses the sound and the clock.
        g_application->OnDeactivated();
        break;
    case SDL_WINDOWEVENT_EXPOSED:
        g_application->Repaint();
        break;
    default:
        break;
    }
}

void OnKeyDown(const SDL_KeyboardEvent& key)
{
    const int code = ToVirtualKey(key.keysym.sym);
    if (code < 0 || code > 255)
        return;
    if (!g_keyDown[code])
        ++g_keyPresses; // demohelp
    if (!g_keyDown[code] && code < 91) {
        const std::vector<std::string>& scripts = g_application->keyScripts;
        if (static_cast<std::size_t>(code) < scripts.size() && !scripts[code].empty())
            RunScriptString(scripts[code]);
    }
    g_keyDown[code] = true;
    // Keys that type a control character; every other character comes
    // through text input.
    const int character = ControlCharacterOf(code);
    if (character >= 0)
        g_input.OnChar(character);
}

void OnTextInput(const SDL_TextInputEvent& input)
{
    for (char byte : Utf8ToWindows1252(input.text)) {
        const int code = static_cast<unsigned char>(byte);
        if (code >= 32)
            g_input.OnChar(code);
    }
}

void StorePointer(int windowX, int windowY)
{
    if (g_application->mainWindow) {
        g_application->mainWindow->WindowToLogical(windowX, windowY, g_input.x, g_input.y);
    } else {
        g_input.x = windowX;
        g_input.y = windowY;
    }
}

void OnMouseMotion(const SDL_MouseMotionEvent& motion)
{
    int x = motion.x, y = motion.y;
    if (g_application->mainWindow)
        g_application->mainWindow->WindowToLogical(motion.x, motion.y, x, y);
    g_input.MouseMove(x, y);
}

void OnMouseButtonDown(const SDL_MouseButtonEvent& button)
{
    StorePointer(button.x, button.y);
    if (button.button == SDL_BUTTON_LEFT) {
        // Every second press of a quick series is a double click, and only that.
        if (button.clicks >= 2 && button.clicks % 2 == 0) {
            g_input.DoubleClick();
            return;
        }
        g_input.rightButton = false;
        g_input.MouseDown();
    } else if (button.button == SDL_BUTTON_RIGHT) {
        g_input.rightButton = true;
        g_input.MouseDown();
    }
}

void OnMouseButtonUp(const SDL_MouseButtonEvent& button)
{
    StorePointer(button.x, button.y);
    if (button.button == SDL_BUTTON_LEFT) {
        g_input.MouseUp();
    } else if (button.button == SDL_BUTTON_RIGHT) {
        g_input.rightButton = false;
        g_input.buttonDown = false;
        g_input.MouseUp();
    }
}

} // namespace

void WindowProc(const SDL_Event& event)
{
    if (!g_application)
        return;
    switch (event.type) {
    case SDL_WINDOWEVENT: OnWindowEvent(event.window); break;
    case SDL_KEYDOWN: OnKeyDown(event.key); break;
    case SDL_KEYUP: {
        const int code = ToVirtualKey(event.key.keysym.sym);
        if (code >= 0 && code < 256)
            g_keyDown[code] = false;
        break;
    }
    case SDL_TEXTINPUT: OnTextInput(event.text); break;
    case SDL_MOUSEMOTION: OnMouseMotion(event.motion); break;
    case SDL_MOUSEBUTTONDOWN: OnMouseButtonDown(event.button); break;
    case SDL_MOUSEBUTTONUP: OnMouseButtonUp(event.button); break;
    default: break;
    }
}
