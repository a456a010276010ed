#pragma once

// A bonus square that reached the bottom of the board flies to its bonus
// button, lifting, swinging through a random point and settling, with its
// flame behind it. When it ends the bonus is in stock.

#include "game/board/effects/FlyingMover.h"

class BonusMover : public FlyingMover {
public:
    // Screen points of the start and of the button; the bonus 0 flash,
    // 1 time, 2 reshuffle, 3 bomb (taken modulo 4). The speed argument is
    // replaced by the mover's own.
    BonusMover(float startX, float startY, float startZ, float endX, float endY, float endZ, int bonus, float speed,
               GameField* field);
    // The bonus joins the stock and the profile; the board checks whether
    // the level is complete and whether moves are left.
    ~BonusMover() override;

    void Update(float dt) override;
    bool IsFinished() override { return _finished || IsTimeUp(); }
    void Draw() override;

    // The bonus, 0 to 3.
    int Index() const { return (_bonus % 4 + 4) % 4; }

    int _bonus;
};
