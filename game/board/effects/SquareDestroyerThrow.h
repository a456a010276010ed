#pragma once

// A destroyed chip thrown off the screen under gravity, turning and fading
// once it falls fast; the high throw also shrinks and glows. The effect takes
// the square off the board when made and owns it until it ends, whether the
// board is active then or not.

#include "game/board/effects/FieldEffect.h"

#include <memory>

class SquareDestroyerThrow : public FieldEffect {
public:
    // Speeds in points per second (vertical upward), the vertical
    // acceleration in points per second squared, the spin in degrees per
    // second. An animated chip spins its frames at a random rate, backwards
    // when thrown to the left.
    SquareDestroyerThrow(Square* square, float speedX, float speedY, float accelY, float spin, GameField* field);

    // Still while the board is not active.
    void Update(float dt) override;
    // Stopped, the board not active, or the chip off the screen.
    bool IsFinished() override;
    void Draw() override;

    std::unique_ptr<Square> _square;
    float _speedX;
    float _speedY;
    float _accelY;
    float _angle = 0.0f;
    float _spin;
    float _alpha = 255.0f;
    // The high throw's drawn size, points.
    float _size = 0.0f;

protected:
    SquareDestroyerThrow(Square* square, float speedX, float speedY, float accelY, float spin, GameField* field,
                         bool high);

private:
    bool OffScreen() const;

    const bool _high;
};

// Thrown higher, shrinking by 80 points a second from the cell size and
// drawn additively; ends off the screen or when it has shrunk away, whether
// the board is active or not. Its animation runs on unchanged.
class SquareDestroyerThrowHigh : public SquareDestroyerThrow {
public:
    SquareDestroyerThrowHigh(Square* square, float speedX, float speedY, float accelY, float spin, GameField* field);
};
