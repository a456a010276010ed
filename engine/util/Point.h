#pragma once

// A point on the 800 x 600 screen, y growing upward from the bottom edge.

struct Point {
    int x = 0;
    int y = 0;

    Point() = default;
    Point(int px, int py)
        : x(px)
        , y(py)
    {
    }

    Point operator+(const Point& other) const { return Point(x + other.x, y + other.y); }
    Point operator-(const Point& other) const { return Point(x - other.x, y - other.y); }
    bool operator==(const Point& other) const { return x == other.x && y == other.y; }
    bool operator!=(const Point& other) const { return !(*this == other); }
};
