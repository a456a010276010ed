#pragma once

// A thin strip swinging at its place on a path in space, drawn with the
// texture that is bound: the front pass draws strips at depth -60 or
// nearer, the back pass the farther ones.

#include "engine/util/Color.h"
#include "engine/util/Vector3.h"

class Vector3Path;

class PathQuad {
public:
    void Draw(bool front) const;
    // The strip at its place: P, P + c, P + b, P + c + b with a along the
    // path (15 x scale), b across it (4.5 x scale) and c = a + swing x b. A
    // tangent of no length counts as heading right. False without a path.
    bool Corners(Vector3 corners[4]) const;

    bool enabled = true;
    const Vector3Path* path = nullptr;
    int sector = 0;
    float t = 0.0f;
    float scale = 1.0f;
    // 0 to 1: one swing there and back.
    float phase = 0.0f;
    Color color;
};

// The swing of a phase: -0.3 up to 0.3 over the first half, back over the
// second.
float PathQuadSwing(float phase);
