#include "engine/platform/Application.h"

#include "engine/platform/CustomCursor.h"
#include "engine/platform/FramePacer.h"
#include "engine/platform/HtmlLog.h"
#include "engine/platform/MainWindow.h"
#include "engine/platform/PlayerMessage.h"
#include "engine/render/ImageBuffers.h"
#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "engine/resources/ResourceManager.h"
#include "engine/platform/StartUp.h"
#include "engine/util/FileSystem.h"
#include "engine/script/ScriptHost.h"
#include "engine/sound/SoundSystemImpl.h"
#include "engine/util/XmlAttributes.h"
#include "engine/util/XmlFile.h"

#include <tinyxml.h>

Application* g_application = nullptr;
bool g_drawSplash = true;

Application::Application(bool fullscreenOption, std::unique_ptr<FrameServices> services, Timer frameTimer,
                         ApplicationParts* parts)
    : fullscreen(fullscreenOption)
    , keyScripts(91)
    , timer(std::move(frameTimer))
    , _frame(std::move(services))
    , _parts(parts)
{
    g_application = this;
}

Application::~Application()
{
    FreeSystemCursors();
    delete mainWindow;
    mainWindow = nullptr;
    if (g_application == this)
        g_application = nullptr;
}

bool Application::Start()
{
    SeedRandomFromCounter();
    OpenScriptState();
    if (_parts)
        _parts->PrepareFramework();
    AllocateImageBuffers();
    showFrameRate = true;
    paused = false;

    mainWindow = new MainWindow(fullscreen ? 0 : 1, splashCount >= 1);
    if (mainWindow->IsCreated())
        g_sound.Init();
    LoadKeyMap();
    customCursorInUse = customCursorOption;
    if (mainWindow->IsCreated()) {
        g_customCursor.Load();
        g_cursor = &g_customCursor;
        arrowCursor = backend::CreateSystemCursor(false);
        handCursor = backend::CreateSystemCursor(true);
        backend::SetCursor(arrowCursor);
        _handShown = false;
        UpdateCursorVisibility();
    }
    DrawSplashFrame();
    if (_parts)
        _parts->LoadGameData();

    ScriptFailure failure;
    if (!RunScriptFile("start.lua", &failure)) {
        // Without its start script the game has no screen to go to: the
        // player learns which file failed and where, and the program ends.
        TellPlayer(failure.title, "The game cannot start: " + failure.text);
        return false;
    }
    ShowWindowIfNoSplashes();
    return true;
}

void Application::DrawSplashFrame()
{
    if (!mainWindow || !mainWindow->IsCreated())
        return;
    _frame->BeginFrame();
    LoadSplashSprite();
    _frame->DrawSplash();
    _frame->EndFrame();
}

void LoadSplashSprite()
{
    ReleaseSplashSprite();
    for (const std::string& path : g_splashPaths) {
        if (!FileExists(path))
            continue;
        auto* sprite = new Sprite(path);
        sprite->Upload(true);
        sprite->linearFilter = true;
        g_splashSprite = sprite;
        return;
    }
}

void ReleaseSplashSprite()
{
    if (!g_splashSprite)
        return;
    g_splashSprite->Release();
    delete g_splashSprite;
    g_splashSprite = nullptr;
}

void Application::Run()
{
    BeginLoop();
    if (mainWindow && mainWindow->IsCreated()) {
        const backend::Window& window = mainWindow->Platform();
        _pacer = std::make_unique<FramePacer>(timer.Frequency(), window.RefreshRate(), window.SwapIntervalSet());
    }
    while (Pump()) {
    }
    _pacer.reset();
}

void Application::BeginLoop()
{
    g_log.Write("Start main loop", "Blue");
    // The start script may already have closed the application.
    running = !_closeHandled;
    _loopEnded = false;
    timer.Restart();
    _frame->ActivatePendingControllers();
    if (_parts)
        _parts->BeginLoop();
    framesDrawn = 0;
    frameRateShown = 0;
    frameTimeGathered = 0.0f;
}

bool Application::Pump()
{
    if (!running || _loopEnded)
        return false;
    SDL_Event event;
    bool got = paused ? SDL_WaitEvent(&event) != 0 : SDL_PollEvent(&event) != 0;
    const std::int64_t wait = got || !_pacer ? 0 : _pacer->TicksToWait(timer.Now());
    if (wait > 0) {
        // Until the next frame is due, events are taken as they come.
        const std::int64_t ms = (wait * 1000 + timer.Frequency() - 1) / timer.Frequency();
        got = SDL_WaitEventTimeout(&event, static_cast<int>(ms)) != 0;
        if (!got)
            return running && !_loopEnded;
    }
    if (got) {
        _frame->ResetCursorImage();
        if (event.type == SDL_QUIT) {
            _loopEnded = true;
            running = false;
            return false;
        }
        HandleEvent(event);
    } else if (_pacer) {
        const std::int64_t start = timer.Now();
        Frame();
        if (mainWindow)
            _pacer->SetRefreshRate(mainWindow->Platform().RefreshRate());
        _pacer->FrameDone(start, timer.Now());
    } else {
        Frame();
    }
    return running && !_loopEnded;
}

void Application::HandleEvent(const SDL_Event& event)
{
    WindowProc(event);
}

void Application::Frame()
{
    if (!_frame->DeviceReady())
        return;
    _frame->ResetCursorImage();
    _frame->DrainMessages();
    if (!running)
        return; // a script closed the application
    _frame->ResendMousePosition();
    _frame->ActivatePendingControllers();

    float step = static_cast<float>(timer.Now() - timer.pausedTicks - timer.start) * timer.SecondsPerTick();
    step = CutLongFrameStep(step);
    frameTimeGathered += step;
    if (frameTimeGathered >= 1.0f) {
        frameRateShown = framesDrawn;
        framesDrawn = 0;
        frameTimeGathered -= 1.0f;
    }
    timer.Restart();
    if (step < 0.0f)
        step = 0.0f;

    _frame->UpdateControllers(step);
    if (!running)
        return;
    _frame->UpdateSound(step);
    _frame->ActivatePendingControllers();
    _frame->UpdateLogo(step);
    if (!running)
        return;

    _frame->BeginFrame();
    _frame->DrawSplash();
    _frame->DrawScreen(paused);
    _frame->DrawCursor();
    if (showFrameRate)
        _frame->DrawFrameRate(frameRateShown);
    _frame->EndFrame();

    ++framesDrawn;
    _frame->ActivatePendingControllers();
}

void Application::Repaint()
{
    if (!running || !mainWindow || !mainWindow->IsCreated())
        return;
    _frame->BeginFrame();
    _frame->DrawScreen(paused);
    _frame->EndFrame();
}

void Application::Close()
{
    if (mainWindow && !g_windowDestroyed)
        mainWindow->Destroy();
    else
        OnWindowClosed();
}

void Application::OnWindowClosed()
{
    running = false;
    if (_closeHandled)
        return;
    _closeHandled = true;
    g_sound.Shutdown();
}

void Application::OnActivated()
{
    paused = false;
    timer.Restart();
    g_sound.Resume();
}

void Application::OnDeactivated()
{
    g_sound.Pause();
    paused = true;
}

void Application::LoadKeyMap()
{
    TiXmlDocument document;
    if (!LoadXmlFile("KeyMap.xml", document) || !document.RootElement()) {
        LogErrorText("Can't load KeyMap.xml!");
        return;
    }
    for (const TiXmlElement* key = document.RootElement()->FirstChildElement("Key"); key;
         key = key->NextSiblingElement("Key")) {
        std::string name;
        std::string script;
        ReadStringAttribute(key, "key", name);
        ReadStringAttribute(key, "script", script);
        const unsigned code = name.empty() ? 0u : static_cast<unsigned char>(name[0]);
        if (code < keyScripts.size())
            keyScripts[code] = script;
    }
}

void Application::UpdateCursorVisibility()
{
    int x = 0;
    int y = 0;
    backend::GlobalMousePosition(x, y);
    bool inside = false;
    if (!fullscreen && mainWindow && mainWindow->IsCreated()) {
        // The window's place is its client area's; its rectangle reaches up
        // over the caption.
        int left = 0, clientTop = 0, w = 0, h = 0;
        mainWindow->Platform().Position(left, clientTop);
        mainWindow->Platform().Size(w, h);
        inside = PointerInsideWindow(x, y, left, clientTop - g_captionHeight, left + w, clientTop + h, g_captionHeight);
    }
    const CursorVisibility decided = DecideCursorVisibility(fullscreen, customCursorOption, inside);
    customCursorInUse = decided.customCursorInUse;
    backend::ShowSystemCursor(decided.showSystemCursor);
}

Application::CursorVisibility Application::DecideCursorVisibility(bool fullscreenMode, bool option, bool pointerInside)
{
    if (fullscreenMode)
        return {option, !option};
    const bool custom = pointerInside && option;
    return {custom, !custom};
}

bool Application::PointerInsideWindow(int x, int y, int left, int top, int right, int bottom, int captionHeight)
{
    return left <= x && x <= right && top + captionHeight <= y && y <= bottom;
}

void Application::SetSystemCursor(bool hand)
{
    if (hand == _handShown)
        return;
    _handShown = hand;
    backend::SetCursor(hand ? handCursor : arrowCursor);
}

void Application::FreeSystemCursors()
{
    backend::FreeCursor(arrowCursor);
    backend::FreeCursor(handCursor);
    arrowCursor = handCursor = nullptr;
}

void ReleaseEngineResources()
{
    ReleaseSplashSprite();
    g_customCursor.Release();
    g_resourceManager.DestroyTextures();
    g_renderDevice.Release();
}

namespace {

// Pauses nest (a scene's upload uploads resources that pause too): only the
// outermost one stops and restarts the clock, so the time counts out once.
int g_timerPauseDepth = 0;

} // namespace

ScopedTimerPause::ScopedTimerPause()
{
    if (g_timerPauseDepth++ == 0 && g_application)
        g_application->timer.Pause();
}

ScopedTimerPause::~ScopedTimerPause()
{
    if (--g_timerPauseDepth == 0 && g_application)
        g_application->timer.Resume();
}

void CloseApplication()
{
    if (g_application)
        g_application->Close();
}

void SetCustomCursor(bool enabled)
{
    if (g_application)
        g_application->customCursorOption = enabled;
}

void ResetSplash()
{
    g_drawSplash = false;
    // Nothing draws the splash picture again: its memory goes now.
    ReleaseSplashSprite();
}

void ShowWindowIfNoSplashes()
{
    if (g_application && g_application->mainWindow && g_application->splashCount == 0)
        g_application->mainWindow->Show();
}
