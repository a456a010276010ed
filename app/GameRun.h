#pragma once

// The program from start to end, in its fixed order: single instance, crash
// handler, settings.ini, application-data folder, first-start step, log,
// GameInfo.xml, game state, renderer check, the application's run and
// shut-down, and the exit action a script asked for.

#include "engine/platform/Timer.h"

#include <memory>
#include <string>

class Application;

// Start-up steps 3 to 10, after the single-instance lock and the crash
// handler: settings.ini, splash count, first-start step, log, GameInfo.xml,
// game state and renderer check. False when the program must stop.
bool PrepareGame(const std::string& appDataFolder);

// The program's application on that frame clock, wired to the game's frame
// services and start parts, with the options the game state holds.
std::unique_ptr<Application> MakeGameApplication(Timer timer);

// Step 11 and 12: the application on that frame clock, its main loop, its
// shut-down and the exit action. The process's exit status.
int RunApplication(Timer timer);

// Saves the game state and releases everything after the main loop, while
// the window's context still lives.
void ShutdownApplication();

// The whole run; the process's exit status.
int RunGame();
