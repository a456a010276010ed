#pragma once

// The wait of a swap: when its time is up (with the swap's movers) the board
// runs its match check. Stopped, it checks nothing.

#include "game/board/FieldController.h"

class CheckMatchRunner : public FieldController {
public:
    CheckMatchRunner(GameField* field, float speed);

    void Update(float dt) override { _time += dt * _speed; }
    bool IsFinished() override;

    float _speed;
};
