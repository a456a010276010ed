#pragma once

// A floating sprite of a frame sequence carried along a path in space (the
// fish of the menu, credits and history pages). Its owner moves it (sector,
// t, phase) and reads the attached point after drawing.

#include "engine/util/Color.h"
#include "engine/util/Vector3.h"

class FrameSequence;
class Vector3Path;

class Fish {
public:
    // The frame of the phase at its place on the path, with the attached
    // point set beside it.
    void Draw();
    // The same at the depth 100 - 200 x scale: the front pass draws sprites
    // of scale 0.7 and more, the back pass the smaller ones.
    void DrawEx(bool front);
    // The frame of the phase (-1 without frames).
    int Frame() const;
    // The quad at its place: P, P + a (along the path), P + b (across it,
    // flipped when heading left) and P + a + b, all at depth z. A tangent
    // of no length counts as heading right. False without a path.
    bool Corners(float z, Vector3 corners[4], bool& headingLeft) const;

    const Vector3Path* path = nullptr;
    const FrameSequence* frames = nullptr;
    int sector = 0;
    float t = 0.0f;
    float scale = 1.0f;
    // A second factor on the drawn size; the passes of DrawEx and its depth
    // follow scale alone.
    float sizeFactor = 1.0f;
    // 0 to 1 over the frames.
    float phase = 0.0f;
    Color color;
    // Where an attached object goes: 130 ahead of the sprite (behind when
    // it heads left) and 50 above.
    bool hasAttached = false;
    float attachedX = 0.0f;
    float attachedY = 0.0f;

private:
    // Binds the frame and draws the quad; false when nothing was drawn.
    bool DrawQuad(float z, bool& headingLeft, Vector3& place);
};
