#pragma once

// A rectangle on the y-up screen: x, y the bottom-left corner.

#include "engine/util/Point.h"

struct Rect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;

    Rect() = default;
    Rect(int rx, int ry, int rw, int rh) : x(rx), y(ry), w(rw), h(rh) {}
    // Position from the first record, size (x = width, y = height) from the second.
    Rect(const Point& position, const Point& size) : x(position.x), y(position.y), w(size.x), h(size.y) {}
};
