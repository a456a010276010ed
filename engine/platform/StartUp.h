#pragma once

// The engine's steps of the program's start and end: the splash count, the
// application-data folder and what to tell the player when it cannot be
// used, the first-start step, and the exit action a script asked for.

#include <string>

extern const std::string g_splashPaths[2]; // "..\fsdata\splash2.jpg", "..\fsdata\splash1.jpg"
extern std::string g_windowTitle;
extern std::string g_appDataFolder;
extern const std::string g_productTitle;
extern std::string g_exitTarget;
extern bool g_exitActionRequested;

// How many of the two splash images exist (line 6 of settings.ini asks).
int CountSplashes();

// Why the application-data folder cannot be used: the path and errno.
struct SaveFolderFailure {
    std::string path;
    int error = 0;
};

// "<user data folder>/Tovarin Entertainment/Velmora Ascendant", created with
// the user's normal permissions. Falls back to the current folder when the
// user has no data folder. Empty when it cannot be created (what failed in
// *failure when given).
std::string PrepareAppDataFolder(SaveFolderFailure* failure = nullptr);

// Tells the player that the folder cannot be used, and where and why: on
// standard error and in a message box. The process's exit status (1).
int ReportSaveFolderFailure(const SaveFolderFailure& failure);

// Runs "resourcer.exe -u" from the game folder once, when launch.dat is
// missing; launch.dat is written only after the program really ran.
void RunFirstStartStep(const std::string& appDataFolder);

// Script NeedGetScreensaver: the exit action runs after shut-down.
void NeedGetScreensaver();

// The exit action: opens line 4's target with the desktop (line 5 true);
// installing a screensaver has no meaning here and is only logged.
void CarryOutExitAction(bool useExternal);

