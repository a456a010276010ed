#pragma once

// One artefact piece's glow swelling and settling once, after a random
// delay of 0.8 to 1.7 seconds and at a random pace. The glow is the board's
// entry for the piece's kind; it ends at rest.

#include "engine/util/SplinePath.h"
#include "game/board/FieldController.h"

class ArtefactFlash : public FieldController {
public:
    static constexpr float kRestGlow = 2.0f;

    // piece: the kind's index among the artefact pieces (kind - 0x50).
    ArtefactFlash(GameField* field, int piece);
    // The glow returns to rest.
    ~ArtefactFlash() override;

    void Update(float dt) override;
    bool IsFinished() override { return _finished || _time >= 1.0f; }

    float Rate() const { return _rate; }

private:
    void SetGlow(float value);

    int _piece;
    float _rate;
    SplinePath<float> _glow;
};
