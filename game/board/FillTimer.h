#pragma once

// The timer bar filling at the start of a level: after a second's wait the
// level's clock runs back from the whole time allowed to 0 in 2.5 seconds,
// so the bar grows from empty to full. At its end the clock stands at 0.

#include "game/board/FieldController.h"

class FillTimer : public FieldController {
public:
    static constexpr float kWait = 1.0f;
    static constexpr float kRate = 0.4f; // the fill takes 1 / kRate seconds

    explicit FillTimer(GameField* field);
    ~FillTimer() override;

    void Update(float dt) override;
    bool IsFinished() override { return _finished || _time >= 1.0f; }
};
