#pragma once

// The animated backdrop of the main menu (widget kind "MenuEffect"): an
// underwater colonnade with fish, a school seen in perspective, swaying
// weed, a drifting light, the row of seven gems that shows how far the
// active player has come, and the hi-score panel. What it shows lives in
// the process-wide scene and idle controller; the widget builds them, draws
// them and takes the menu script's messages:
//
//   "GemEffect"     the gems burst out one after another (13.3 s)
//   "SyncGems"      the gems earned since the menu last showed them light up
//                   under their rays; may start the screensaver tip
//   "EndGemEffects" ends a gem run; a sync run's gems count as shown at once
//   "EndSyncGems"   ends a gem run with the gems of the reached stages set
//   "HiscoreTick"   integer above 0: the idle count for the hi-score panel
//                   runs (and starts again while the panel is hidden); else
//                   it stops
//   "ShowSaverTip", "HideSaverTip"  the screensaver tip, with a screensaver
//
// A press while the panel shows its rows sends it out; presses always go on
// to the widgets under the backdrop.

#include "gui/Widget.h"

class MenuIdleController;
class MenuScene;
class TiXmlElement;

class MenuEffect : public Widget {
public:
    // Builds the run's menu scene and idle controller; no attribute of the
    // element is read.
    MenuEffect(const std::string& widgetName, const TiXmlElement* element);
    // The same on a scene and controller of the caller's, reading the menu's
    // files from the folder that is current.
    MenuEffect(const std::string& widgetName, MenuScene& scene, MenuIdleController& controller);

    bool MouseDown(const Point& p) override;
    void Draw() override;
    void AcceptMessage(const Message& message) override;

    MenuScene& scene;
    MenuIdleController& controller;

private:
    void Build();
    void DrawFish(bool secondPass);
    void DrawGem(int index, int alpha);
    void DrawGemRun();
    void DrawFullGlow();
    void DrawSyncRun();
    void DrawPanel();
    void SyncGems();
};

Widget* CreateMenuEffect(const TiXmlElement* element);
