#pragma once

// An artefact flying into its slot on the shield: first the veil over the
// shield lifts (half a second), then the artefact glides along a curve from
// where it is to its slot, shrinking to a quarter (four seconds). The
// shield's highlight is off meanwhile; when the flight is deleted, the
// slot's gem is switched on (TurnOnGem).

#include "engine/util/SplinePath.h"
#include "game/screens/ShieldProcess.h"

class ArtefactFromField : public ShieldProcess {
public:
    // Draws the curve's middle keys (two draws of the game's generator: x, then y).
    ArtefactFromField(Shield* shield, int slot);
    ~ArtefactFromField() override;

    void Update(float dt) override;
    bool IsFinished() override { return _done || _finished; }

    int _slot;
    float _t = 0.0f;
    float _speed = 2.0f;
    int _phase = 0;
    bool _done = false;
    SplinePath<float> _x;
    SplinePath<float> _y;
    SplinePath<float> _scale;
    SplinePath<float> _alpha;
};
