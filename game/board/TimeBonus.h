#pragma once

// The time bonus: after a second and a half the level's clock runs back by
// its amount (never below 0) over a little more than two seconds. While one
// runs no other starts; when it ends the bonus is counted as used and its
// stock drops by one.

#include "game/board/FieldController.h"

class TimeBonus : public FieldController {
public:
    TimeBonus(float amount, float startElapsed, GameField* field);
    ~TimeBonus() override;

    void Update(float dt) override;
    // At its end the clock stands at the start less the amount.
    bool IsFinished() override;

    float _amount;
    float _startElapsed;

private:
    void SetElapsed(float elapsed);
};
