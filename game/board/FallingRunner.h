#pragma once

// The short wait between the destruction of a match and the fall: when its
// time is up the board falls ("ChipFall"). Stopped, nothing falls.

#include "game/board/FieldController.h"

class FallingRunner : public FieldController {
public:
    FallingRunner(GameField* field, float speed, float fallArgument);

    void Update(float dt) override { _time += dt * _speed; }
    bool IsFinished() override;

    float _speed;
    float _fallArgument;
};
