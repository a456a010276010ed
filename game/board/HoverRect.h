#pragma once

// One of the board's four stock-bonus buttons: a square of `size` points
// whose left and top edges are given, its picture, its state and the count
// of that bonus in stock.

#include "engine/util/Point.h"

// The stock bonuses, by button.
constexpr int kFlashButton = 0;
constexpr int kTimeButton = 1;
constexpr int kSwapButton = 2;
constexpr int kBombButton = 3;

struct HoverRect {
    enum State { kIdle = 0, kHovered = 1, kChosen = 2 };

    // True, and the button chosen, when the point lies on it and the bonus
    // is in stock; a button without stock is never hit.
    bool Test(const Point& p);

    float left = 0.0f;
    float top = 0.0f;
    int picture = 0;
    int state = kIdle;
    int count = 0;
    int size = 0;
};
