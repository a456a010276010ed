#pragma once

// The endless phase of the water widget: 0 to 1, advancing 0.02 a second,
// so one drift cycle takes 50 seconds. The widget holds it and adds it to
// the controller manager; it never finishes. Destroyed with its widget, it
// takes itself out of the manager's lists.

#include "gui/controllers/IController.h"

class WaterPhase : public IController {
public:
    WaterPhase() = default;
    ~WaterPhase() override;

    void Update(float dt) override;
    bool IsFinished() override { return false; }

    float _phase = 0.0f;
};
