#pragma once

// Sizes and rectangles on the 800 x 600 screen (y growing upward).

struct Size {
    int width = 0;
    int height = 0;

    Size() = default;
    Size(int w, int h)
        : width(w)
        , height(h)
    {
    }
};

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    Rect() = default;
    Rect(int rx, int ry, int w, int h)
        : x(rx)
        , y(ry)
        , width(w)
        , height(h)
    {
    }

    // Both edges count as inside.
    bool Contains(int px, int py) const { return px >= x && px <= x + width && py >= y && py <= y + height; }

    bool operator==(const Rect& o) const { return x == o.x && y == o.y && width == o.width && height == o.height; }
    bool operator!=(const Rect& o) const { return !(*this == o); }
};
