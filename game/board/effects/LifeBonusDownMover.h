#pragma once

// A life bonus that reached the bottom of the board flies to the lives
// display, shrinking as it arrives, its heart beating, with its flame behind
// it. When it ends it scores 200 and a life is added.

#include "game/board/effects/FlyingMover.h"

class LifeBonusDownMover : public FlyingMover {
public:
    // The screen point of the square's centre.
    LifeBonusDownMover(float startX, float startY, float startZ, GameField* field);
    ~LifeBonusDownMover() override;

    void Update(float dt) override;
    bool IsFinished() override { return _finished || IsTimeUp(); }
    void Draw() override;

    SplinePath<float> _shrink;
    // Set while it climbs away from the board (the first 0.8 of its flight).
    bool _climbing = true;
};
