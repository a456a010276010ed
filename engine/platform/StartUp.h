#pragma once

// Everything between process start and process end, in its fixed order:
// single instance, crash handler, settings.ini, application-data folder,
// first-start step, log, GameInfo.xml, game state, renderer check, the
// application's run and shut-down, and the exit action a script asked for.

#include "engine/platform/Timer.h"

#include <string>

extern const std::string g_splashPaths[2]; // "..\fsdata\splash2.jpg", "..\fsdata\splash1.jpg"
extern std::string g_windowTitle;
extern std::string g_appDataFolder;
extern const std::string g_productTitle;
extern std::string g_exitTarget;
extern bool g_exitActionRequested;

// How many of the two splash images exist (line 6 of settings.ini asks).
int CountSplashes();

// "<user data folder>/Tovarin Entertainment/Velmora Ascendant", created with
// the user's normal permissions. Falls back to the current folder when the
// user has no data folder. Empty when it cannot be created.
std::string PrepareAppDataFolder();

// Runs "resourcer.exe -u" from the game folder once, when launch.dat is
// missing; launch.dat is written only after the program really ran.
void RunFirstStartStep(const std::string& appDataFolder);

// Script NeedGetScreensaver: the exit action runs after shut-down.
void NeedGetScreensaver();

// The exit action: opens line 4's target with the desktop (line 5 true);
// installing a screensaver has no meaning here and is only logged.
void CarryOutExitAction();

// Start-up steps 3 to 10, after the single-instance lock and the crash
// handler: settings.ini, splash count, first-start step, log, GameInfo.xml,
// game state and renderer check. False when the program must stop.
bool PrepareGame(const std::string& appDataFolder);

// Step 11 and 12: the application on that frame clock, its main loop, its
// shut-down and the exit action. The process's exit status.
int RunApplication(Timer timer);

// The whole run; the process's exit status.
int RunGame();
