#pragma once

// Shapes given by their signed distance: negative inside, positive outside,
// in pixels. The canvas turns the distance into anti-aliased coverage,
// outlines, bevels and soft shadows, so every shape gets them all.

#include "tools/artgen/Geometry.h"

#include <memory>
#include <vector>

class Shape {
public:
    virtual ~Shape() = default;
    virtual float Distance(Vec2 p) const = 0;
    // A box that holds every point with a negative distance.
    virtual Box Bounds() const = 0;
};

using ShapePtr = std::shared_ptr<const Shape>;

ShapePtr Circle(Vec2 centre, float radius);
// An ellipse turned by the angle (radians); the distance is approximate.
ShapePtr Ellipse(Vec2 centre, float rx, float ry, float angle = 0.0f);
ShapePtr RoundedRect(const Box& box, float radius);
// A closed polygon, points in either winding order.
ShapePtr Polygon(std::vector<Vec2> points);
// A regular star or polygon: `points` tips at the outer radius, the inner
// radius between them (equal radii give a regular polygon with 2 * points corners).
ShapePtr Star(Vec2 centre, int points, float outer, float inner, float angle = 0.0f);
// A thick line through the points, with square ends and mitred corners
// for axis-parallel runs.
ShapePtr Polyline(std::vector<Vec2> points, float width);
// A band along a circle from one angle to another (radians, clockwise on screen).
ShapePtr Arc(Vec2 centre, float radius, float width, float from, float to);

ShapePtr Unite(ShapePtr a, ShapePtr b);
ShapePtr Subtract(ShapePtr from, ShapePtr cut);
ShapePtr Intersect(ShapePtr a, ShapePtr b);
// The shape grown (positive) or shrunk (negative) by the amount.
ShapePtr Inflate(ShapePtr shape, float by);
ShapePtr Translate(ShapePtr shape, Vec2 by);
// The shape's edge pushed in and out by seeded noise of the scale (pixels
// per wobble) by up to the amount, for coasts and worn stone.
ShapePtr Roughen(ShapePtr shape, unsigned seed, float scale, float amount);
// The shape's distance sampled once at every pixel centre of the area
// (0, 0)-(width, height) and interpolated after, for costly shapes that are
// drawn several times. Outside the area the shape's own distance is used.
ShapePtr Bake(ShapePtr shape, int width, int height);
