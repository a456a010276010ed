#pragma once

// A colour with straight (not premultiplied) alpha, each channel 0 to 1.

#include "tools/artgen/Geometry.h"

#include <cstdint>

struct Colour {
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
    float a = 1.0f;
};

// From 0xRRGGBB.
inline Colour Rgb(std::uint32_t rrggbb, float alpha = 1.0f)
{
    return {static_cast<float>((rrggbb >> 16) & 0xFF) / 255.0f, static_cast<float>((rrggbb >> 8) & 0xFF) / 255.0f,
            static_cast<float>(rrggbb & 0xFF) / 255.0f, alpha};
}

inline Colour Mix(const Colour& a, const Colour& b, float t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

// Brighter (k > 1) or darker (k < 1), alpha kept.
inline Colour Shade(const Colour& c, float k)
{
    return {Clamp01(c.r * k), Clamp01(c.g * k), Clamp01(c.b * k), c.a};
}

inline Colour WithAlpha(const Colour& c, float alpha) { return {c.r, c.g, c.b, alpha}; }

// The grey of the same lightness, for disabled looks.
inline Colour Greyed(const Colour& c, float amount)
{
    const float grey = 0.3f * c.r + 0.59f * c.g + 0.11f * c.b;
    return Mix(c, {grey, grey, grey, c.a}, amount);
}
