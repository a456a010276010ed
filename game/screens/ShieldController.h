#pragma once

// The shield screen's clock: every frame it runs the shield's Update. It
// never finishes by itself; it ends with its shield.

#include "game/screens/ShieldProcess.h"

class ShieldController : public ShieldProcess {
public:
    explicit ShieldController(Shield* shield) : ShieldProcess("ShieldController", shield) {}

    void Update(float dt) override;
    bool IsFinished() override { return _finished; }
};
