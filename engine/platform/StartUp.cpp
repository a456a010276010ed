#include "engine/platform/StartUp.h"

#include "engine/backend/Process.h"
#include "engine/backend/Window.h"
#include "engine/platform/LogoWidget.h"
#include "engine/platform/HtmlLog.h"
#include "engine/util/FileSystem.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
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

std::string PrepareAppDataFolder(SaveFolderFailure* failure)
{
    const auto fail = [failure](const std::string& path) {
        if (failure)
            *failure = SaveFolderFailure{path, errno};
        return std::string();
    };
    std::string base = backend::UserDataFolder();
    if (base.empty()) {
        char cwd[4096];
        if (!::getcwd(cwd, sizeof cwd))
            return fail(".");
        base = cwd;
    }
    // The user's data folder itself may be missing on a fresh account.
    for (std::string::size_type pos = 1; pos <= base.size(); ++pos) {
        if (pos == base.size() || base[pos] == '/')
            CreateFolder(base.substr(0, pos));
    }
    std::string folder = base + "/Tovarin Entertainment";
    if (!CreateFolder(folder))
        return fail(folder);
    folder += "/Velmora Ascendant";
    if (!CreateFolder(folder))
        return fail(folder);
    return folder;
}

int ReportSaveFolderFailure(const SaveFolderFailure& failure)
{
    const std::string text = "The game cannot use its save folder " + failure.path + ": " +
                             std::strerror(failure.error) +
                             ". Your profiles and progress are kept there; check that the folder can be written.";
    std::fprintf(stderr, "%s\n", text.c_str());
    backend::ShowMessageBox("Error!", text);
    return 1;
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

void CarryOutExitAction(bool useExternal)
{
    if (!g_exitActionRequested)
        return;
    if (useExternal) {
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
