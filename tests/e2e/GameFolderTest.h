#pragma once

// The real program run in-process in the game folder that the build
// assembles, as the program's start-up builds it: input arrives as SDL
// events pushed into the queue, frames run on a fixed time step of a
// sixtieth of a second, and pictures of the screen are saved into a folder
// beside the test's output, named by the test.

#include "engine/platform/Application.h"
#include "tests/support/TestEnvironment.h"

#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Player;

namespace testing_support {

class GameFolderTest : public ::testing::Test {
protected:
    static constexpr int kFramesPerSecond = 60;
    // A cross-fade lasts a second; its end handler runs a frame later.
    static constexpr int kFadeFrames = 75;

    // shotsFolder: where the pictures go, below the folder the test runs in.
    explicit GameFolderTest(const std::string& shotsFolder);

    void SetUp() override;
    void TearDown() override;

    // The game folder the build assembles.
    static std::string BuiltGameFolder();
    // Starts the program in that game folder (its data/ made current) as the
    // program's start-up does, and begins its main loop. False when start-up
    // stopped it; what it told the player is in PlayerMessagesShown().
    bool StartIn(const std::string& gameFolder);

    // Handles the waiting events, then runs frames on the fixed step.
    void Frames(int count);
    std::string TopLayer() const;

    // From the opening splash past the title to the main menu.
    void PastTheSplashToTheMenu();
    // Past the splashes to the main menu, with a new profile that has seen
    // the story and its first scene; nullptr when either fails.
    Player* NewProfileOnTheMenu(const std::string& name);

    void MoveMouse(int x, int y);
    void MouseButton(int x, int y, bool down);
    // Moves there, presses and releases, then lets two frames handle it.
    void Click(int x, int y);
    void Key(SDL_Keycode key);
    void Type(const std::string& text);

    // Draws the screen as the frame does and saves the picture of the whole
    // drawable (full screen scales the 800 x 600 picture into it).
    void Picture(const std::string& name);
    // The screen drawn as the frame does, as RGBA rows from the top, and
    // the drawable's size.
    std::vector<std::uint8_t> ScreenPixels(int& width, int& height);
    std::string LogText() const;
    // Ends the program as the player's way out does.
    void Shutdown();

    const std::string _shots;
    std::unique_ptr<ScopedCurrentDir> _inGame;
    std::string _appData;
    std::shared_ptr<std::int64_t> _ticks;
    std::unique_ptr<Application> _app;

private:
    // Window coordinates of a point of the 800 x 600 screen (y downward),
    // through the window's own mapping, which full screen letterboxes.
    void ToWindow(int x, int y, int& windowX, int& windowY) const;
};

} // namespace testing_support
