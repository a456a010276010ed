#pragma once

// The screensaver tip of the main menu (widget kind "SaverTooltip"): a tip
// box with the text "ScreensaverTip" and an arrow pointing at the exit,
// drawn while the game offers a screensaver and the menu's tip clock runs.
// It pops up after a second (growing through 1.1 to full size over half a
// second) and fades out from 10.5 seconds on. It does nothing else.

#include "gui/Widget.h"

class MenuIdleController;
class MenuScene;
class TiXmlElement;

class SaverTooltip : public Widget {
public:
    // On the run's menu scene and idle controller.
    SaverTooltip(const std::string& widgetName, const TiXmlElement* element);
    SaverTooltip(const std::string& widgetName, const MenuScene& scene, const MenuIdleController& controller);

    void Draw() override;

    // Alpha (0 to 255) and scale of the tip at time T (from 1 on).
    static void Look(const MenuIdleController& controller, float T, int& alpha, float& scale);

private:
    const MenuScene& _scene;
    const MenuIdleController& _controller;
};

Widget* CreateSaverTooltip(const TiXmlElement* element);
