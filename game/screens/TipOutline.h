#pragma once

// The hit test of an outline given by its corners: a point is inside when the
// triangles it makes with the outline's edges add up to the outline's own
// area (within a tolerance of 5 square pixels). The areas come from the side
// lengths (Heron's formula), so the test needs no winding order.

#include "engine/util/Point.h"

#include <vector>

// The area of the triangle with those corners; never a NaN (a flat triangle,
// or one rounded to below flat, has the area 0).
float TriangleArea(const Point& a, const Point& b, const Point& c);

// Whether p lies inside the outline; an outline of fewer than three corners
// holds nothing.
bool IsInsideOutline(const std::vector<Point>& outline, const Point& p);
