#pragma once

// Small geometry of the board: cells of the chip atlas, quarter turns of a
// cell, the direction of a vector and a smooth fall-off with distance.

#include "engine/util/Point.h"

// One cell of the chip atlas and of the sheets cut like it: 40 of 256 texels.
constexpr float kAtlasCell = 0.15625f;

// The chip atlas holds 6 cells a row, each kAtlasCell wide: u of the left
// edge and v of the lower edge of cell `index` (v runs upward).
void AtlasCellUV(int index, float& u, float& v);

// The cell turned by `quarter` quarter turns: 0 (x, y), 1 (y, -1 - x),
// 2 (-1 - x, -1 - y), 3 (-1 - y, x).
Point RotateCell(int x, int y, int quarter);

// atan(dy / dx), plus 3.14159 for dx < 0; straight up or down for dx = 0.
float Angle(float dx, float dy);

// cos(d / r * 1.570795) for the distance d of the points when d < r, else 0.
float Falloff(float x1, float y1, float x2, float y2, float r);
