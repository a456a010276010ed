#pragma once

// Small drawing routines on top of the quads, and the helpers that drawing
// effects use.

#include "engine/util/Color.h"
#include "engine/util/Point.h"
#include "engine/util/Vector3.h"

#include <cstdint>

class Sprite;

// A band `length` wide and 2 x halfHeight tall centred on the origin's y,
// its texture scrolled by offset x speed and repeated `repeat` times across.
void DrawScrollingBand(float offset, float speed, float repeat, float halfHeight, float length = 400.0f);
// a over b at p: b at opacity alpha, a at t x alpha on top.
void DrawCrossFade(const Sprite& a, const Sprite& b, const Point& p, float t, float alpha);

// Per channel a + (int)(r x ((b - a) - 0.001)), wrapped to a byte.
Color RandomColorBetween(const Color& a, const Color& b);
// Per axis a + r x ((b - a) - 0.001).
Vector3 RandomPointBetween(const Vector3& a, const Vector3& b);
float Lerp(float a, float b, float t);
// The smallest power of two >= n (0 gives 0).
std::uint32_t NextPowerOfTwo(std::uint32_t n);
