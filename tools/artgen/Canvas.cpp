#include "tools/artgen/Canvas.h"

#include <algorithm>
#include <cmath>

Canvas::Canvas(int width, int height)
    : _width(width), _height(height), _pixels(static_cast<size_t>(width) * static_cast<size_t>(height), Colour{0, 0, 0, 0})
{
}

Colour Canvas::At(int x, int y) const
{
    if (x < 0 || y < 0 || x >= _width || y >= _height)
        return {0, 0, 0, 0};
    return _pixels[Index(x, y)];
}

void Canvas::Set(int x, int y, const Colour& colour)
{
    if (x < 0 || y < 0 || x >= _width || y >= _height)
        return;
    _pixels[Index(x, y)] = colour;
}

void Canvas::Clear(const Colour& colour) { std::fill(_pixels.begin(), _pixels.end(), colour); }

void Canvas::Blend(int x, int y, const Colour& colour, float coverage)
{
    if (x < 0 || y < 0 || x >= _width || y >= _height)
        return;
    const float sa = colour.a * Clamp01(coverage);
    if (sa <= 0.0f)
        return;
    Colour& d = _pixels[Index(x, y)];
    const float keep = d.a * (1.0f - sa);
    const float oa = sa + keep;
    d.r = (colour.r * sa + d.r * keep) / oa;
    d.g = (colour.g * sa + d.g * keep) / oa;
    d.b = (colour.b * sa + d.b * keep) / oa;
    d.a = oa;
}

template <typename F> void Canvas::ForEachPixel(const Box& box, F f)
{
    const int x0 = std::max(0, static_cast<int>(std::floor(box.left)));
    const int y0 = std::max(0, static_cast<int>(std::floor(box.top)));
    const int x1 = std::min(_width, static_cast<int>(std::ceil(box.right)));
    const int y1 = std::min(_height, static_cast<int>(std::ceil(box.bottom)));
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            f(x, y, Vec2{static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f});
}

void Canvas::FillAll(const Paint& paint)
{
    ForEachPixel(Box{0, 0, static_cast<float>(_width), static_cast<float>(_height)},
                 [&](int x, int y, Vec2 p) { Blend(x, y, paint(p), 1.0f); });
}

void Canvas::Fill(const Shape& shape, const Paint& paint)
{
    ForEachPixel(shape.Bounds().Grown(1.0f), [&](int x, int y, Vec2 p) {
        const float coverage = Clamp01(0.5f - shape.Distance(p));
        if (coverage > 0.0f)
            Blend(x, y, paint(p), coverage);
    });
}

void Canvas::Stroke(const Shape& shape, float width, const Paint& paint)
{
    const float half = width * 0.5f;
    ForEachPixel(shape.Bounds().Grown(half + 1.0f), [&](int x, int y, Vec2 p) {
        const float coverage = Clamp01(0.5f - (std::fabs(shape.Distance(p)) - half));
        if (coverage > 0.0f)
            Blend(x, y, paint(p), coverage);
    });
}

void Canvas::Shadow(const Shape& shape, Vec2 offset, float softness, const Colour& colour)
{
    ForEachPixel(shape.Bounds().Moved(offset).Grown(softness + 1.0f), [&](int x, int y, Vec2 p) {
        const float d = shape.Distance(p - offset);
        const float coverage = 1.0f - SmoothStep(-softness, softness, d);
        if (coverage > 0.0f)
            Blend(x, y, colour, coverage);
    });
}

void Canvas::Bevel(const Shape& shape, float depth, float strength)
{
    const Vec2 light = Normalised(Vec2{-1.0f, -1.3f});
    ForEachPixel(shape.Bounds().Grown(1.0f), [&](int x, int y, Vec2 p) {
        const float d = shape.Distance(p);
        if (d > 0.5f || d < -depth)
            return;
        const float e = 0.5f;
        const Vec2 normal = Normalised(Vec2{shape.Distance(p + Vec2{e, 0}) - shape.Distance(p - Vec2{e, 0}),
                                            shape.Distance(p + Vec2{0, e}) - shape.Distance(p - Vec2{0, e})});
        const float rim = 1.0f - Clamp01(-d / depth);
        const float lit = Dot(normal, light) * strength * rim * Clamp01(0.5f - d);
        if (lit > 0.0f)
            Blend(x, y, Colour{1.0f, 0.97f, 0.88f, 1.0f}, std::min(lit, 0.9f));
        else if (lit < 0.0f)
            Blend(x, y, Colour{0.08f, 0.04f, 0.0f, 1.0f}, std::min(-lit, 0.9f));
    });
}

void Canvas::Glow(const Shape& shape, float radius, const Colour& colour)
{
    ForEachPixel(shape.Bounds().Grown(radius + 1.0f), [&](int x, int y, Vec2 p) {
        const float d = std::max(0.0f, shape.Distance(p));
        const float t = 1.0f - Clamp01(d / radius);
        if (t > 0.0f)
            Blend(x, y, colour, t * t);
    });
}

void Canvas::Fill(const Mask& mask, int left, int top, const Paint& paint)
{
    for (int y = 0; y < mask.Height(); ++y)
        for (int x = 0; x < mask.Width(); ++x) {
            const float coverage = mask.At(x, y);
            if (coverage > 0.0f)
                Blend(left + x, top + y,
                      paint(Vec2{static_cast<float>(left + x) + 0.5f, static_cast<float>(top + y) + 0.5f}), coverage);
        }
}

void Canvas::Draw(const Canvas& other, int left, int top)
{
    for (int y = 0; y < other.Height(); ++y)
        for (int x = 0; x < other.Width(); ++x)
            Blend(left + x, top + y, other.At(x, y), 1.0f);
}

std::vector<std::uint8_t> Canvas::ToRgba8() const
{
    std::vector<std::uint8_t> out(_pixels.size() * 4);
    auto byte = [](float v) { return static_cast<std::uint8_t>(std::lround(Clamp01(v) * 255.0f)); };
    for (size_t i = 0; i < _pixels.size(); ++i) {
        const Colour& c = _pixels[i];
        out[i * 4 + 0] = byte(c.r);
        out[i * 4 + 1] = byte(c.g);
        out[i * 4 + 2] = byte(c.b);
        out[i * 4 + 3] = byte(c.a);
    }
    return out;
}
