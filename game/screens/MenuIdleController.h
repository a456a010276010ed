#pragma once

// The one controller that animates the main menu between frames: the weed
// strips, the swimming fish, the school and its renewal, the hi-score panel,
// the bubble fish, the drifting colour of the light mask, the screensaver
// tip, the gem run, the glow's band phase and the gems' sync run. A
// process-wide object: the menu widget adds it to the controller manager
// (which lists it once and never deletes it); it never finishes, and it runs
// on when the menu is not shown.

#include "game/screens/HiScorePanel.h"
#include "game/screens/SaverTipClock.h"
#include "gui/controllers/IController.h"
#include "gui/effects/ColorDrift.h"

class MenuScene;

class MenuIdleController : public IController {
public:
    // Draws the school interval, the drift's period, start and target levels
    // and its two colours (in that order), the current colour white, and
    // clears the scene's gem flags.
    explicit MenuIdleController(MenuScene& scene);
    // Leaves the controller manager's lists.
    ~MenuIdleController() override;

    void Update(float dt) override;
    bool IsFinished() override { return false; }

    // "SyncGems": a sync run lighting count gems from first on (nothing for
    // a count below 1).
    void StartSyncRun(int first, int count);
    // The gem run's time (0 to 1).
    float GemRunTime() const { return _time; }

    MenuScene& scene;
    float schoolInterval;
    // The light mask's brightness (_level) and colour.
    ColorDrift drift;
    float syncTime = 0.0f;
    int syncFirst = 0;
    int syncCount = 0;
    HiScorePanel panel;
    float bandPhase = 0.0f;
    SaverTipClock tip;

private:
    void RenewSchool();
    void AdvanceGemRun(float dt);
    void AdvanceSyncRun(float dt);
};

// The main menu's idle controller of this run (app/Globals.cpp).
extern MenuIdleController g_menuIdleController;
