#pragma once

// A musor square carried off from the bottom of the board: it starts at
// rest, falls ever faster with a slow random turn and fades once it falls
// faster than 100 points a second; it ends below the screen. The square
// itself is gone already: the effect only draws the musor's picture.

#include "engine/util/Vector3.h"
#include "game/board/effects/FieldEffect.h"

class MusorDestroyer : public FieldEffect {
public:
    // The screen point of the square's lower left corner.
    MusorDestroyer(float x, float y, float z, GameField* field);

    void Update(float dt) override;
    bool IsFinished() override { return _finished || _point.y < -40.0f; }
    void Draw() override;

    Vector3 _point;
    float _speedY = 0.0f; // downward
    float _accelY;
    float _alpha = 255.0f;
    float _angle = 0.0f;
    float _spin;
};
