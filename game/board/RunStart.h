#pragma once

// The short pause before a level begins. When it has run its 0.8 seconds it
// tells its board, as it goes, "InitLevelView", "Start" and "SetActive" 1.
// A run start stopped before its time (a reset) or whose board has gone
// tells nothing.

#include "game/board/FieldController.h"

class RunStart : public FieldController {
public:
    static constexpr float kDelay = 0.8f;

    explicit RunStart(GameField* field);
    ~RunStart() override;

    void Update(float dt) override;
    bool IsFinished() override;
    void Stop() override;

private:
    bool _ranItsTime = false;
    bool _stopped = false;
};
