#pragma once

// The clock of the sail scene: twice as fast as the frames' time, copied to
// the scene each frame before the scene moves on. It runs as long as its
// scene, also while the scene is not on screen; once the scene is deleted it
// forgets it and finishes.

#include "gui/controllers/IController.h"

class Parus;

class ParusController : public IController {
public:
    explicit ParusController(Parus* parus) : IController("ParusController"), _parus(parus) {}

    void Update(float dt) override;
    bool IsFinished() override { return _parus == nullptr; }
    void OnWidgetDeleted(const Widget* widget) override;

    Parus* _parus;
};
