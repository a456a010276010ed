#pragma once

// The real program started in a game folder of its own: settings.ini for an
// 800 x 600 window without splashes and with the log inside the folder, an
// empty KeyMap.xml, an artefact catalogue without artefacts and a start.lua
// that shows the window. A test adds its own
// files (or replaces these) before Start.

#include "engine/platform/Application.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace testing_support {

// settings.ini for a windowed game without splashes, titled `title`.
std::string WindowedGameSettings(const std::string& title, bool highCharacters = false);

class EndToEndGame {
public:
    explicit EndToEndGame(const std::string& title, bool highCharacters = false);
    ~EndToEndGame();
    EndToEndGame(const EndToEndGame&) = delete;
    EndToEndGame& operator=(const EndToEndGame&) = delete;

    const std::string& Path() const { return _folder.Path(); }
    std::string File(const std::string& name) const { return _folder.File(name); }

    // Makes the folder current, reads its settings, opens its log and starts
    // the program with the game's own frame services and start parts.
    ::testing::AssertionResult Start();
    // Leaves the screen's picture of a failed test (of every test with
    // VELMORA_SAVE_PICTURES set), clears the screen's layers, ends the
    // program and goes back to the folder the test was in.
    void Stop();

    Application& App() { return *_app; }

private:
    TempDir _folder;
    std::unique_ptr<ScopedCurrentDir> _inFolder;
    std::unique_ptr<ApplicationParts> _parts;
    std::unique_ptr<Application> _app;
};

} // namespace testing_support
