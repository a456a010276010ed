#pragma once

// A screen point in whole units, y growing upward.

class TiXmlElement;

struct Point {
    int x = 0;
    int y = 0;

    Point() = default;
    Point(int px, int py) : x(px), y(py) {}

    Point operator+(const Point& o) const { return Point(x + o.x, y + o.y); }
    bool operator==(const Point& o) const { return x == o.x && y == o.y; }
    bool operator!=(const Point& o) const { return !(*this == o); }
};

// The element's integer attributes "x" and "y"; 0 for a missing one.
Point ReadPoint(const TiXmlElement* element);
