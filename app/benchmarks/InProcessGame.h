#pragma once

// The real program run in-process from the game folder for the benchmarks:
// its start-up as the program's own, frames on a fixed step of a sixtieth of
// a second on a clock of its own, and its shut-down.

#include "engine/platform/Application.h"

#include <cstdint>
#include <memory>
#include <string>

class InProcessGame {
public:
    // gameFolder: the folder holding data/; the application-data folder
    // goes below a fresh folder of its own.
    explicit InProcessGame(const std::string& gameFolder);
    ~InProcessGame();

    // Start-up to the main loop; false when a step failed.
    bool Start();
    // The main menu put up at once, as if the splashes were over.
    void ToMainMenu();
    // Handles waiting events, then runs frames on the fixed step.
    void Frames(int count);
    // A left press and release at a point of the 800 x 600 screen.
    void Press(int x, int y);
    void Shutdown();

    std::string TopLayer() const;

private:
    std::string _previousDir;
    std::shared_ptr<std::int64_t> _ticks;
    std::unique_ptr<Application> _app;
};

// The process's resident memory in bytes.
std::size_t ResidentBytes();
