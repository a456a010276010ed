#include "app/benchmarks/InProcessGame.h"

#include "app/GameRun.h"
#include "engine/platform/MainWindow.h"
#include "engine/platform/StartUp.h"
#include "gui/GUIManager.h"
#include "gui/ScreenImpl.h"

#include <SDL2/SDL.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

constexpr std::int64_t kTicksPerSecond = 6000;
constexpr std::int64_t kTicksPerFrame = kTicksPerSecond / 60;

} // namespace

InProcessGame::InProcessGame(const std::string& gameFolder)
    : _previousDir(std::filesystem::current_path().string())
{
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("ALSOFT_DRIVERS", "null", 0);
    char home[] = "/tmp/velmora-bench-XXXXXX";
    if (mkdtemp(home))
        setenv("XDG_DATA_HOME", home, 1);
    std::filesystem::current_path(gameFolder + "/data");
}

InProcessGame::~InProcessGame()
{
    Shutdown();
    std::filesystem::current_path(_previousDir);
}

bool InProcessGame::Start()
{
    const std::string appData = PrepareAppDataFolder();
    if (appData.empty() || !PrepareGame(appData))
        return false;
    auto ticks = std::make_shared<std::int64_t>(0);
    _ticks = ticks;
    _app = MakeGameApplication(Timer([ticks] { return *ticks; }, kTicksPerSecond));
    if (!_app->Start() || !_app->mainWindow || !_app->mainWindow->IsCreated())
        return false;
    _app->BeginLoop();
    return true;
}

void InProcessGame::ToMainMenu()
{
    // The title splash's script would have reset the splash by now.
    ResetSplash();
    Screen.ClearLayers();
    Screen.pushLayer(GUI.getLayer("MainMenu"));
}

void InProcessGame::Frames(int count)
{
    for (int i = 0; i < count && _app && _app->running; ++i) {
        SDL_PumpEvents();
        while (_app->running && SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT)) {
            _app->Pump();
            SDL_PumpEvents();
        }
        *_ticks += kTicksPerFrame;
        _app->Pump();
    }
}

void InProcessGame::Press(int x, int y)
{
    SDL_Event event{};
    event.type = SDL_MOUSEBUTTONDOWN;
    event.button.windowID = SDL_GetWindowID(SDL_GL_GetCurrentWindow());
    event.button.button = SDL_BUTTON_LEFT;
    event.button.state = SDL_PRESSED;
    event.button.clicks = 1;
    event.button.x = x;
    event.button.y = y;
    SDL_PushEvent(&event);
    Frames(1);
    event.type = SDL_MOUSEBUTTONUP;
    event.button.state = SDL_RELEASED;
    SDL_PushEvent(&event);
    Frames(1);
}

void InProcessGame::Shutdown()
{
    if (!_app)
        return;
    ShutdownApplication();
    _app.reset();
}

std::string InProcessGame::TopLayer() const
{
    return Screen.GetTopLayerName();
}

std::size_t ResidentBytes()
{
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    if (!statm)
        return 0;
    unsigned long size = 0, resident = 0;
    const int read = std::fscanf(statm, "%lu %lu", &size, &resident);
    std::fclose(statm);
    return read == 2 ? static_cast<std::size_t>(resident) * static_cast<std::size_t>(sysconf(_SC_PAGESIZE)) : 0;
}
