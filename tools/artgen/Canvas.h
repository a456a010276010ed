#pragma once

// A picture being drawn: floating-point RGBA with straight alpha, rows from
// the top. Every drawing call composites "over" what is there, with the
// coverage of anti-aliased edges taken from the shape's distance.

#include "tools/artgen/Colour.h"
#include "tools/artgen/Mask.h"
#include "tools/artgen/Paint.h"
#include "tools/artgen/Shape.h"

#include <cstdint>
#include <vector>

class Canvas {
public:
    Canvas(int width, int height);

    int Width() const { return _width; }
    int Height() const { return _height; }
    Colour At(int x, int y) const;
    void Set(int x, int y, const Colour& colour);

    // Replaces every pixel (no compositing).
    void Clear(const Colour& colour);
    // Composites the paint over the whole picture.
    void FillAll(const Paint& paint);
    // Composites a colour over one pixel with the given coverage.
    void Blend(int x, int y, const Colour& colour, float coverage);

    void Fill(const Shape& shape, const Paint& paint);
    // A line of the width centred on the shape's edge.
    void Stroke(const Shape& shape, float width, const Paint& paint);
    // A soft copy of the shape under it, moved by the offset.
    void Shadow(const Shape& shape, Vec2 offset, float softness, const Colour& colour);
    // Light from the upper left on a rim of the given depth inside the
    // shape: lit slopes lighter, the far ones darker. Negative strength
    // sinks the shape instead of raising it.
    void Bevel(const Shape& shape, float depth, float strength);
    // A glow around (and under) the shape that fades over the radius.
    void Glow(const Shape& shape, float radius, const Colour& colour);
    // Mask coverage at the offset, painted.
    void Fill(const Mask& mask, int left, int top, const Paint& paint);
    // Another picture composited with its top-left at the point.
    void Draw(const Canvas& other, int left, int top);

    // Each pixel's colour replaced through the function (alpha kept by the function).
    template <typename F> void Transform(F f)
    {
        for (int y = 0; y < _height; ++y)
            for (int x = 0; x < _width; ++x) {
                Colour& c = _pixels[Index(x, y)];
                c = f(c, x, y);
            }
    }

    // 8-bit RGBA, rows from the top.
    std::vector<std::uint8_t> ToRgba8() const;

private:
    size_t Index(int x, int y) const { return static_cast<size_t>(y) * static_cast<size_t>(_width) + static_cast<size_t>(x); }
    // Calls f(x, y, point) for every pixel of the box clipped to the picture.
    template <typename F> void ForEachPixel(const Box& box, F f);

    int _width;
    int _height;
    std::vector<Colour> _pixels;
};
