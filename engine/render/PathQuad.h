#pragma once

// A thin strip swinging at its place on a path in space, drawn with the
// texture that is bound: the front pass draws strips at depth -60 or
// nearer, the back pass the farther ones. The fish of the main menu's
// school are drawn so; the record is one school fish.

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
    // The fish's own speed along its path.
    float speed = 1.0f;
    Color color;
};

// A school fish set off afresh, drawing from the random generator in this
// order: two factors r1, r2 for t = 1 - r1 x r2 (near the end of its key),
// the scale 0.7 + rand x 9.125035e-6, the swing phase rand x 3.0182806e-5,
// then the colour between (220, 220, 220, 200) and white. The key index
// becomes 0, the speed 1 and the fish enabled; its path stays.
void InitRandomSpriteState(PathQuad& fish);

// The swing of a phase: -0.3 up to 0.3 over the first half, back over the
// second.
float PathQuadSwing(float phase);
