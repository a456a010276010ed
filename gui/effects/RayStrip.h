#pragma once

// A light ray: a textured ribbon laid along a smooth curve, through which a
// bright window sweeps from the curve's start to its end while the texture
// streams along it. Callers add the curve's points, build the ribbon once,
// then set the progress and draw with a texture bound.

#include "engine/render/VertexBatch.h"
#include "engine/util/Color.h"
#include "engine/util/SplinePath.h"

struct RayHeadPoint {
    float x = 0.0f;
    float y = 0.0f;
    float past = 0.0f; // 1 once the window has left the ribbon
};

class RayStrip {
public:
    // One key of the centre line and of the half-width.
    void AddPoint(float x, float y, float width);
    // The ribbon with n segments (n + 1 vertex pairs), at progress 0.
    void Build(int n);
    // Moves the bright window (0 to 1) and recolours the vertices.
    void SetProgress(float p);
    // The red, green and blue of every pair (alpha stays the window's).
    void SetPairColor(const Color& color);
    // Texture shift per unit of progress, texture repeats along the ribbon,
    // half-width of the bright window; they count from the next draw on (the
    // fade from the next progress).
    void SetScroll(float scroll) { _scroll = scroll; }
    void SetRepeat(float repeat) { _repeat = repeat; }
    void SetFade(float fade) { _fade = fade; }
    // The centre line at the window's leading edge.
    RayHeadPoint GetHeadPoint() const;
    // Draws the ribbon with the texture the caller has bound.
    void Draw();

    SplinePath<float> _curveX;
    SplinePath<float> _curveY;
    SplinePath<float> _curveWidth;
    VertexBatch _mesh;
    float _progress = 0.0f;
    float _scroll = -16.0f;
    float _repeat = 6.0f;
    float _fade = 0.25f;
    int _segments = 0;
    Color _color;
    // False when the curve has no direction somewhere (repeated points):
    // such a ribbon draws nothing.
    bool _drawable = false;
};
