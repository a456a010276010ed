#pragma once

// Small value types of the drawing library: points and boxes in pixel
// coordinates, x to the right and y downward, pixel centres at +0.5.

#include <algorithm>
#include <cmath>

struct Vec2 {
    float x = 0.0f;
    float y = 0.0f;
};

inline Vec2 operator+(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }
inline Vec2 operator-(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
inline Vec2 operator*(Vec2 a, float k) { return {a.x * k, a.y * k}; }
inline float Dot(Vec2 a, Vec2 b) { return a.x * b.x + a.y * b.y; }
inline float Length(Vec2 a) { return std::sqrt(Dot(a, a)); }
inline Vec2 Normalised(Vec2 a)
{
    const float l = Length(a);
    return l > 0.0f ? a * (1.0f / l) : Vec2{0.0f, 0.0f};
}
inline Vec2 Rotated(Vec2 a, float radians)
{
    const float c = std::cos(radians), s = std::sin(radians);
    return {a.x * c - a.y * s, a.x * s + a.y * c};
}

inline float Clamp01(float v) { return std::min(1.0f, std::max(0.0f, v)); }
inline float SmoothStep(float edge0, float edge1, float x)
{
    const float t = Clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3.0f - 2.0f * t);
}

// An axis-aligned box: left, top, right, bottom (right and bottom exclusive).
struct Box {
    float left = 0.0f;
    float top = 0.0f;
    float right = 0.0f;
    float bottom = 0.0f;

    Box Grown(float by) const { return {left - by, top - by, right + by, bottom + by}; }
    Box Moved(Vec2 by) const { return {left + by.x, top + by.y, right + by.x, bottom + by.y}; }
    float Width() const { return right - left; }
    float Height() const { return bottom - top; }
};

inline Box Union(const Box& a, const Box& b)
{
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}
