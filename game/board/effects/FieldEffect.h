#pragma once

// The base of every board effect: a controller that the controller manager
// runs and owns, and at the same time an entry of its board's effect list,
// which the board walks when it draws. It joins the list when made and
// leaves it when deleted; it never deletes itself, it only reports finished.

#include "game/board/FieldController.h"

#include <string>

class FieldEffect : public FieldController {
public:
    // Named with the board's controller name; joins the end of the board's
    // effect list.
    FieldEffect(const std::string& name, float speed, GameField* field);
    // Leaves the board's effect list (its first entry that is this effect).
    ~FieldEffect() override;

    // The default step: local time += dt * _speed.
    void Update(float dt) override = 0;
    // The default finish test: stopped, or local time at 1.
    bool IsFinished() override = 0;
    // Draws the effect in the board's space.
    virtual void Draw() = 0;

    bool IsTimeUp() const { return _time >= 1.0f; }
    void DrawNothing() {}

    int _drawPass = 2; // 1, 2 or 3
    float _speed;
};
