#include "tests/e2e/GameFolderTest.h"

#include "app/GameFrameServices.h"
#include "app/GameRun.h"
#include "engine/backend/Window.h"
#include "engine/platform/MainWindow.h"
#include "engine/platform/StartUp.h"
#include "engine/platform/StrictLookups.h"
#include "engine/render/RenderDevice.h"
#include "game/state/GameInfo.h"
#include "gui/ScreenImpl.h"
#include "tests/support/SdlEvents.h"
#include "tools/fontgen/PngWriter.h"

#include <cstdlib>
#include <filesystem>
#include <vector>

namespace testing_support {

namespace {

constexpr std::int64_t kTicksPerSecond = 6000;
constexpr std::int64_t kTicksPerFrame = kTicksPerSecond / 60;

std::string GameFolder()
{
    const char* game = std::getenv("VELMORA_GAME_DIR");
    return game ? game : "";
}

} // namespace

GameFolderTest::GameFolderTest(const std::string& shotsFolder)
    : _shots(std::filesystem::current_path().string() + "/" + shotsFolder)
{
}

void GameFolderTest::SetUp()
{
    ASSERT_TRUE(PathExists(GameFolder() + "/data/start.lua")) << "the build assembles the game folder";
    ASSERT_TRUE(StartIn(GameFolder()));
}

std::string GameFolderTest::BuiltGameFolder()
{
    return GameFolder();
}

bool GameFolderTest::StartIn(const std::string& gameFolder)
{
    // Every walk through the game runs with the strict lookups: a name the
    // data forgot writes an error line into the run's log.
    SetStrictLookups(true);
    std::filesystem::create_directories(_shots);
    _inGame = std::make_unique<ScopedCurrentDir>(gameFolder + "/data");
    _appData = PrepareAppDataFolder();
    if (_appData.empty() || !PrepareGame(_appData))
        return false;
    auto ticks = std::make_shared<std::int64_t>(0);
    _ticks = ticks;
    _app = MakeGameApplication(Timer([ticks] { return *ticks; }, kTicksPerSecond));
    if (!_app->Start() || !_app->mainWindow || !_app->mainWindow->IsCreated())
        return false;
    _app->BeginLoop();
    return true;
}

void GameFolderTest::PastTheSplashToTheMenu()
{
    Frames(30);
    Click(400, 300);
    Frames(kFadeFrames);
    Key(SDLK_SPACE);
    Frames(kFadeFrames);
}

void GameFolderTest::TearDown()
{
    Shutdown();
    _inGame.reset();
    SetStrictLookups(false);
}

void GameFolderTest::Shutdown()
{
    if (!_app)
        return;
    ShutdownApplication();
    _app.reset();
}

void GameFolderTest::Frames(int count)
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

std::string GameFolderTest::TopLayer() const
{
    return Screen.GetTopLayerName();
}

void GameFolderTest::ToWindow(int x, int y, int& windowX, int& windowY) const
{
    int w = 800, h = 600;
    _app->mainWindow->Platform().Size(w, h);
    windowX = 0;
    windowY = 0;
    int lx = 0, ly = 0;
    for (windowX = 0; windowX < w; ++windowX) {
        MainWindow::MapToLogical(w, h, windowX, 0, lx, ly);
        if (lx >= x)
            break;
    }
    for (windowY = 0; windowY < h; ++windowY) {
        MainWindow::MapToLogical(w, h, 0, windowY, lx, ly);
        if (ly >= y)
            break;
    }
}

void GameFolderTest::MoveMouse(int x, int y)
{
    SDL_Event event = MotionEvent(0, 0);
    event.motion.windowID = SDL_GetWindowID(SDL_GL_GetCurrentWindow());
    ToWindow(x, y, event.motion.x, event.motion.y);
    SDL_PushEvent(&event);
    Frames(2);
}

void GameFolderTest::MouseButton(int x, int y, bool down)
{
    SDL_Event event = ButtonEvent(down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 0, 0);
    event.button.windowID = SDL_GetWindowID(SDL_GL_GetCurrentWindow());
    event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    ToWindow(x, y, event.button.x, event.button.y);
    SDL_PushEvent(&event);
}

void GameFolderTest::Click(int x, int y)
{
    MoveMouse(x, y);
    MouseButton(x, y, true);
    Frames(1);
    MouseButton(x, y, false);
    Frames(2);
}

void GameFolderTest::Key(SDL_Keycode key)
{
    SDL_Event event = KeyEvent(SDL_KEYDOWN, key);
    event.key.windowID = SDL_GetWindowID(SDL_GL_GetCurrentWindow());
    event.key.state = SDL_PRESSED;
    SDL_PushEvent(&event);
    event.type = SDL_KEYUP;
    event.key.state = SDL_RELEASED;
    SDL_PushEvent(&event);
    Frames(2);
}

void GameFolderTest::Type(const std::string& text)
{
    SDL_Event event = TextEvent(text.c_str());
    event.text.windowID = SDL_GetWindowID(SDL_GL_GetCurrentWindow());
    SDL_PushEvent(&event);
    Frames(2);
}

std::vector<std::uint8_t> GameFolderTest::ScreenPixels(int& width, int& height)
{
    GameFrameServices frame;
    frame.BeginFrame();
    frame.DrawSplash();
    frame.DrawScreen(false);
    width = 800;
    height = 600;
    _app->mainWindow->Platform().DrawableSize(width, height);
    std::vector<std::uint8_t> picture = g_renderDevice.Gl().ReadPicture(width, height);
    frame.EndFrame();
    return picture;
}

void GameFolderTest::Picture(const std::string& name)
{
    int w = 0, h = 0;
    const std::vector<std::uint8_t> pixels = ScreenPixels(w, h);
    EXPECT_TRUE(WriteRgbaPng(_shots + "/" + name + ".png", w, h, pixels)) << name;
}

Player* GameFolderTest::NewProfileOnTheMenu(const std::string& name)
{
    PastTheSplashToTheMenu();
    if (TopLayer() != "MainMenu" || !gameInfo.AddNewPlayer(name))
        return nullptr;
    Player& player = gameInfo.GetPlayer(name);
    player.viewHistory = true;
    player.firstMultIsShow = true;
    return &player;
}

std::string GameFolderTest::LogText() const
{
    return ReadTextFile(_appData + "/log.htm");
}

} // namespace testing_support
