#pragma once

// A gem of the shield switching on after its artefact has flown into its
// slot: the gem comes up to full while the slot's artefact fades to half.
// When it is deleted the shield's highlight is back on.

#include "game/screens/ShieldProcess.h"

class TurnOnGem : public ShieldProcess {
public:
    TurnOnGem(Shield* shield, int slot, float speed);
    ~TurnOnGem() override;

    void Update(float dt) override;
    bool IsFinished() override { return _t >= 1.0f || _finished; }

    int _slot;
    float _speed;
    float _t = 0.0f;
};
