#include "app/GameRun.h"

#include "app/GameFrameServices.h"
#include "app/GameParts.h"
#include "engine/backend/Process.h"
#include "engine/backend/ProcessMemory.h"
#include "engine/platform/Application.h"
#include "engine/platform/CrashHandler.h"
#include "engine/platform/GameInfoSetup.h"
#include "engine/platform/HtmlLog.h"
#include "engine/platform/MainWindow.h"
#include "engine/platform/RendererCheck.h"
#include "engine/platform/Settings.h"
#include "engine/platform/StartUp.h"
#include "engine/util/FileSystem.h"
#include "game/state/GameInfo.h"
#include "gui/scenes/SceneLibrary.h"

#include <SDL2/SDL.h>

bool PrepareGame(const std::string& appDataFolder)
{
    backend::ReturnLargeBlocksToTheSystem();

    // 3. settings.ini, whose first line may change the folder.
    g_settings = ReadSettingsFile("settings.ini");
    gameInfo._useScreensaver = g_settings.useScreensaver;
    gameInfo._useExternalScreensaver = g_settings.useExternalScreensaver;
    g_exitTarget = g_settings.exitTarget;
    g_windowTitle = g_settings.windowTitle;

    // 4. Splash images.
    if (g_settings.countSplashes)
        gameInfo._numOfSplashes = CountSplashes();

    // 5. Application-data folder.
    g_appDataFolder = appDataFolder;

    // 6. First-start step.
    if (g_settings.runFirstStart && !g_appDataFolder.empty())
        RunFirstStartStep(g_appDataFolder);

    // 7. The log.
    const std::string logPath = g_settings.logInGameFolder || g_appDataFolder.empty()
                                    ? ResolvePath("log.htm")
                                    : g_appDataFolder + "/log.htm";
    OpenLogFile(logPath, g_settings.truncateLog);
    SetCrashReportPath(logPath.c_str());
    g_log.Write("*******************************************************", "Black");
    g_log.Write("Application start!", "Magenta");

    // 8. A usable GameInfo.xml, then 9. the game state.
    PrepareLiveGameInfo(GameInfoPath(), "GameInfo.xml", g_settings.requiredGameInfoVersion);
    gameInfo.LoadGameState();

    // 10. The renderer.
    return CheckRenderer();
}

void ShutdownApplication()
{
    gameInfo.SaveGameState();
    // Every GPU object goes while the window's context still lives.
    ReleaseSceneTextures();
    ReleaseEngineResources();
    g_log.Write("Application shutdown!", "DarkBlue");
    SDL_ShowCursor(SDL_ENABLE);
}

std::unique_ptr<Application> MakeGameApplication(Timer timer)
{
    static GameParts parts;
    auto application = std::make_unique<Application>(gameInfo.getFullscreen(), std::make_unique<GameFrameServices>(),
                                                      std::move(timer), &parts);
    application->customCursorOption = gameInfo.getCustomCursor();
    application->splashCount = gameInfo.getNumOfSplashes();
    return application;
}

int RunApplication(Timer timer)
{
    int status = 0;
    const std::unique_ptr<Application> application = MakeGameApplication(std::move(timer));
    const bool started = application->Start();
    if (started && application->mainWindow && application->mainWindow->IsCreated()) {
        application->Run();
    } else {
        status = 1;
    }
    ShutdownApplication();
    // 12. The exit action.
    CarryOutExitAction(gameInfo._useExternalScreensaver);
    return status;
}

int RunGame()
{
    // 1. One running instance: a second copy leaves at once and writes
    // nothing. A folder that cannot be used is not a second copy: the player
    // is told what failed and where.
    SaveFolderFailure failure;
    const std::string appDataFolder = PrepareAppDataFolder(&failure);
    if (appDataFolder.empty())
        return ReportSaveFolderFailure(failure);
    const backend::InstanceLock lock = backend::AcquireInstanceLock(appDataFolder + "/instance.lock");
    if (lock.state == backend::InstanceLock::State::HeldElsewhere)
        return 0;
    if (lock.state == backend::InstanceLock::State::Failed)
        return ReportSaveFolderFailure(SaveFolderFailure{appDataFolder + "/instance.lock", lock.error});

    // 2. Crash handler.
    InstallCrashHandler();

    // 3. to 10.
    if (!PrepareGame(appDataFolder))
        return 1;

    // 11. The application, then 12. the exit action.
    const int status = RunApplication(Timer());
    SDL_Quit();
    return status;
}
