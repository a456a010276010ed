#pragma once

// A grey coverage picture (0 to 1 per pixel), for lettering and for the
// blurred and widened copies that make outlines and shadows.

#include <vector>

class Mask {
public:
    Mask() = default;
    Mask(int width, int height);

    int Width() const { return _width; }
    int Height() const { return _height; }
    float At(int x, int y) const;
    void Set(int x, int y, float value);
    // Max-combines the value into the pixel.
    void Raise(int x, int y, float value);

    // A copy widened by the radius (each pixel takes the largest value
    // within the round neighbourhood).
    Mask Dilated(int radius) const;
    // A copy softened by three box blurs of the radius.
    Mask Blurred(int radius) const;
    // A copy with room of the given size added around it.
    Mask Padded(int margin) const;

private:
    int _width = 0;
    int _height = 0;
    std::vector<float> _values;
};
