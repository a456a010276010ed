#include "engine/platform/StartUp.h"

#include "engine/backend/Process.h"
#include "engine/platform/Application.h"
#include "engine/platform/CrashHandler.h"
#include "engine/platform/GameInfoSetup.h"
#include "engine/platform/HtmlLog.h"
#include "engine/platform/LogoWidget.h"
#include "engine/platform/MainWindow.h"
#include "engine/platform/RendererCheck.h"
#include "engine/platform/Settings.h"
#include "engine/util/FileSystem.h"
#include "game/state/GameInfo.h"

#include <SDL2/SDL.h>

#include <cstdio>
#include <unistd.h>

bool g_exitActionRequested = false;

int CountSplashes()
{
    const bool splash2 = FileExists(g_splashPaths[0]);
    const bool splash1 = FileExists(g_splashPaths[1]);
    if (splash2 && splash1)
        return 2;
    return splash1 || splash2 ? 1 : 0;
}

std::string PrepareAppDataFolder()
{
    std::string base = backend::UserDataFolder();
    if (base.empty()) {
        char cwd[4096];
        if (!::getcwd(cwd, sizeof cwd))
            return std::string();
        base = cwd;
    }
    // The user's data folder itself may be missing on a fresh account.
    for (std::string::size_type pos = 1; pos <= base.size(); ++pos) {
        if (pos == base.size() || base[pos] == '/')
            CreateFolder(base.substr(0, pos));
    }
    std::string folder = base + "/Tovarin Entertainment";
    if (!CreateFolder(folder))
        return std::string();
    folder += "/Velmora Ascendant";
    if (!CreateFolder(folder))
        return std::string();
    return folder;
}

void RunFirstStartStep(const std::string& appDataFolder)
{
    const std::string flag = appDataFolder + "/launch.dat";
    if (FileExists(flag))
        return;
    if (!backend::RunAndWait(ResolvePath("./resourcer.exe"), {"-u"}))
        return; // try again at the next start
    if (FILE* f = std::fopen(flag.c_str(), "wb"))
        std::fclose(f);
}

void NeedGetScreensaver()
{
    g_exitActionRequested = true;
}

void CarryOutExitAction()
{
    if (!g_exitActionRequested)
        return;
    if (gameInfo._useExternalScreensaver) {
        backend::OpenWithShell(ResolvePath(g_exitTarget));
        return;
    }
    g_log.Write("Screensaver installation is not available on this system: " + g_exitTarget, "Black");
}

void OpenFileIfExists(const std::string& path)
{
    if (FileExists(path))
        backend::OpenWithShell(ResolvePath(path));
}

bool PrepareGame(const std::string& appDataFolder)
{
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

int RunApplication(Timer timer)
{
    int status = 0;
    Application application(gameInfo.getFullscreen(), nullptr, std::move(timer));
    application.Start();
    if (application.mainWindow && application.mainWindow->IsCreated()) {
        application.Run();
    } else {
        status = 1;
    }
    ShutdownApplication();
    // 12. The exit action.
    CarryOutExitAction();
    return status;
}

int RunGame()
{
    // 1. One running instance: a second copy leaves at once and writes nothing.
    const std::string lockFolder = PrepareAppDataFolder();
    if (!lockFolder.empty() && backend::AcquireInstanceLock(lockFolder + "/instance.lock") < 0)
        return 0;

    // 2. Crash handler.
    InstallCrashHandler();

    // 3. to 10.
    if (!PrepareGame(lockFolder))
        return 1;

    // 11. The application, then 12. the exit action.
    const int status = RunApplication(Timer());
    SDL_Quit();
    return status;
}
