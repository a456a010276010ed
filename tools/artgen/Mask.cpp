#include "tools/artgen/Mask.h"

#include <algorithm>

Mask::Mask(int width, int height)
    : _width(width), _height(height), _values(static_cast<size_t>(width) * static_cast<size_t>(height), 0.0f)
{
}

float Mask::At(int x, int y) const
{
    if (x < 0 || y < 0 || x >= _width || y >= _height)
        return 0.0f;
    return _values[static_cast<size_t>(y) * static_cast<size_t>(_width) + static_cast<size_t>(x)];
}

void Mask::Set(int x, int y, float value)
{
    if (x < 0 || y < 0 || x >= _width || y >= _height)
        return;
    _values[static_cast<size_t>(y) * static_cast<size_t>(_width) + static_cast<size_t>(x)] = value;
}

void Mask::Raise(int x, int y, float value)
{
    if (x < 0 || y < 0 || x >= _width || y >= _height)
        return;
    float& v = _values[static_cast<size_t>(y) * static_cast<size_t>(_width) + static_cast<size_t>(x)];
    v = std::max(v, value);
}

Mask Mask::Dilated(int radius) const
{
    Mask out(_width, _height);
    for (int y = 0; y < _height; ++y)
        for (int x = 0; x < _width; ++x) {
            float best = 0.0f;
            for (int dy = -radius; dy <= radius; ++dy)
                for (int dx = -radius; dx <= radius; ++dx)
                    if (dx * dx + dy * dy <= radius * radius + radius)
                        best = std::max(best, At(x + dx, y + dy));
            out.Set(x, y, best);
        }
    return out;
}

Mask Mask::Blurred(int radius) const
{
    Mask out = *this;
    if (radius <= 0)
        return out;
    const float scale = 1.0f / static_cast<float>(2 * radius + 1);
    Mask tmp(_width, _height);
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < _height; ++y) {
            float sum = 0.0f;
            for (int x = -radius; x <= radius; ++x)
                sum += out.At(x, y);
            for (int x = 0; x < _width; ++x) {
                tmp.Set(x, y, sum * scale);
                sum += out.At(x + radius + 1, y) - out.At(x - radius, y);
            }
        }
        for (int x = 0; x < _width; ++x) {
            float sum = 0.0f;
            for (int y = -radius; y <= radius; ++y)
                sum += tmp.At(x, y);
            for (int y = 0; y < _height; ++y) {
                out.Set(x, y, sum * scale);
                sum += tmp.At(x, y + radius + 1) - tmp.At(x, y - radius);
            }
        }
    }
    return out;
}

Mask Mask::Padded(int margin) const
{
    Mask out(_width + 2 * margin, _height + 2 * margin);
    for (int y = 0; y < _height; ++y)
        for (int x = 0; x < _width; ++x)
            out.Set(x + margin, y + margin, At(x, y));
    return out;
}
