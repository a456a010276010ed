#pragma once

// The never-ending controller that a particle test widget starts: a
// process-wide object that the controller manager lists once and never
// deletes. It keeps the widget it serves until that widget goes.

#include "gui/controllers/IController.h"

class ParticleTestController : public IController {
public:
    ParticleTestController() = default;
    // Leaves the controller manager's lists.
    ~ParticleTestController() override;

    void Update(float dt) override {}
    bool IsFinished() override { return false; }
    void OnWidgetDeleted(const Widget* widget) override;

    // The particle test widget it serves, or null.
    const Widget* widget = nullptr;
};

// The particle test's controller of this run (app/Globals.cpp).
extern ParticleTestController g_particleTestController;
