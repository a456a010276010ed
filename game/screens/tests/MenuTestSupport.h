#pragma once

// What the menu's tests share: a folder of their own with the menu's files,
// an active profile in the game state, a scene and idle controller of the
// test's own with a backdrop widget on them, a logo stand-in that records
// being switched, and fixed font measurements.

#include "engine/platform/LogoWidget.h"
#include "engine/util/Random.h"
#include "game/screens/MenuEffect.h"
#include "game/screens/MenuIdleController.h"
#include "game/screens/MenuScene.h"
#include "game/state/GameInfo.h"
#include "gui/FontAccess.h"
#include "gui/StringTable.h"
#include "tests/support/ScopedLogFile.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace menu_testing {

// Seven gems on one row, two weed strips, one track of five keys.
inline std::string MenuEffectsText(const std::string& extra = std::string(), int numOfFishes = 3)
{
    std::string text = "<MenuEffects numOfFishes=\"" + std::to_string(numOfFishes) + "\">\n";
    text += "<Wave width=\"40\" height=\"120\" count=\"40\"><position x=\"30\" y=\"0\"/>"
            "<key value=\"0\"/><key value=\"8\"/><key value=\"-8\"/></Wave>\n";
    text += "<Wave count=\"10\"><position x=\"300\" y=\"0\"/><key value=\"4\"/></Wave>\n";
    text += "<FishTrack numFishes=\"6\" timeScale=\"1\">"
            "<key x=\"-100\" y=\"400\" z=\"-200\" vx=\"10\" vy=\"10\" vz=\"10\"/>"
            "<key x=\"200\" y=\"420\" z=\"-150\" vx=\"10\" vy=\"10\" vz=\"10\"/>"
            "<key x=\"400\" y=\"380\" z=\"-100\" vx=\"10\" vy=\"10\" vz=\"10\"/>"
            "<key x=\"600\" y=\"400\" z=\"-50\" vx=\"10\" vy=\"10\" vz=\"10\"/>"
            "<key x=\"900\" y=\"420\" z=\"0\" vx=\"10\" vy=\"10\" vz=\"10\"/></FishTrack>\n";
    for (int i = 0; i < 7; ++i)
        text += "<Gem x=\"" + std::to_string(31 + 63 * i) + "\" y=\"465\" r=\"" + std::to_string(30 * i) +
                "\" g=\"200\" b=\"90\" tex=\"GEM" + std::to_string(i + 1) + "\"/>\n";
    return text + extra + "</MenuEffects>\n";
}

inline std::string HiScoresEffectsText()
{
    std::string text = "<HiScoresEffects><Text>\n";
    for (int i = 1; i <= 10; ++i) {
        const std::string y = std::to_string(400 - 36 * i);
        text += "<String name=\"Name" + std::to_string(i) + "\" x=\"20\" y=\"" + y + "\" font=\"Letter\" value=\"\"/>";
        text += "<String name=\"Value" + std::to_string(i) + "\" x=\"250\" y=\"" + y + "\" font=\"Letter\" value=\"\"/>";
        text += "<String name=\"Adventure" + std::to_string(i) + "\" x=\"330\" y=\"" + y + "\" font=\"Letter\" value=\"\"/>\n";
    }
    return text + "</Text></HiScoresEffects>\n";
}

// Every character 10 wide, every line 20 high.
struct FixedMetrics : FontMetricsSource {
    int LineHeight(const std::string&) override { return 20; }
    int TextWidth(const std::string& text, const std::string&) override { return 10 * static_cast<int>(text.size()); }
};

// Records each switch of the logo.
struct LogoStandIn : UpdatableLogo {
    void Update(float step) override { updated += step; }
    void SetEnabled(bool value) override
    {
        enabled = value;
        switches.push_back(value);
    }
    bool enabled = true;
    float updated = 0.0f;
    std::vector<bool> switches;
};

// The game state's active profile for the test's lifetime, with the fields
// the menu reads.
class ActiveProfile {
public:
    explicit ActiveProfile(int maxStage = 1, int cycle = 1, int menuParam1 = 0, bool showSSTip = true)
        : _previous(gameInfo.getName())
    {
        gameInfo.AddNewPlayer(_name);
        gameInfo.setActivePlayer(_name);
        Player& p = Get();
        p.maxStage = maxStage;
        p.cycle = cycle;
        p.menuParam1 = menuParam1;
        p.showSSTip = showSSTip;
    }
    ~ActiveProfile()
    {
        gameInfo.DeletePlayer(_name);
        gameInfo.setActivePlayer(_previous);
    }
    ActiveProfile(const ActiveProfile&) = delete;
    ActiveProfile& operator=(const ActiveProfile&) = delete;

    Player& Get() { return gameInfo.GetPlayer(_name); }

private:
    const std::string _name = "Menu Tester";
    std::string _previous;
};

// A folder with the menu's files, current; a scene, idle controller and
// backdrop of the test's own (the controller listed with the manager).
class MenuFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetFontMetricsSource(&_metrics);
        _previousLogo = g_logoWidget;
        g_logoWidget = &logo;
        testing_support::WriteTextFile(_dir.File("MenuEffects.xml"), MenuEffectsText());
        testing_support::WriteTextFile(_dir.File("HiScoresEffects.xml"), HiScoresEffectsText());
        _cwd = std::make_unique<testing_support::ScopedCurrentDir>(_dir.Path());
    }
    void TearDown() override
    {
        backdrop.reset();
        controller.reset();
        scene.reset();
        _cwd.reset();
        g_logoWidget = _previousLogo;
        SetFontMetricsSource(nullptr);
    }

    // Seeds the generator, then builds the three.
    void Build(unsigned seed = 1)
    {
        SeedRandom(seed);
        scene = std::make_unique<MenuScene>();
        controller = std::make_unique<MenuIdleController>(*scene);
        backdrop = std::make_unique<MenuEffect>("Backdrop", *scene, *controller);
    }
    void Rewrite(const std::string& name, const std::string& text) { testing_support::WriteTextFile(_dir.File(name), text); }

    // Frames of dt seconds on the idle controller.
    void Run(float seconds, float dt = 0.05f)
    {
        const int frames = static_cast<int>(seconds / dt + 0.5f);
        for (int i = 0; i < frames; ++i)
            controller->Update(dt);
    }
    void Tell(const std::string& command, int parameter = 0) { backdrop->AcceptMessage(Message(command, parameter)); }

    testing_support::ScopedLogFile log;
    LogoStandIn logo;
    std::unique_ptr<MenuScene> scene;
    std::unique_ptr<MenuIdleController> controller;
    std::unique_ptr<MenuEffect> backdrop;

private:
    testing_support::TempDir _dir;
    std::unique_ptr<testing_support::ScopedCurrentDir> _cwd;
    FixedMetrics _metrics;
    UpdatableLogo* _previousLogo = nullptr;
};

} // namespace menu_testing
