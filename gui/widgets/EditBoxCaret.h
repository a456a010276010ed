#pragma once

// The blink of an edit box's caret: fully visible at first, fading out over
// half a second and in over the next, for as long as its edit box lives.

#include "gui/controllers/IController.h"

class EditBoxCaret : public IController {
public:
    void Update(float dt) override;
    bool IsFinished() override { return false; }

    bool phase = false;
    int alpha = 255;
};
