#pragma once

// A strip of weed on the main menu's sea floor: a vertical ribbon of rows
// that sways sideways as a wave of values runs up it. Row 0, at the foot,
// stays still; the sway ramps in over the first 30 rows.

#include "engine/render/StripMesh.h"
#include "engine/render/Vertex.h"
#include "engine/util/SplinePath.h"
#include "game/screens/MenuEffectsFile.h"

#include <vector>

class Texture;

class MenuWave {
public:
    // count + 1 rows of two vertices, row j at height / count x j, the left
    // one at x 0 (u 0), the right one at the width (u 1), v = j / count; the
    // values close into a loop. A shape of fewer than one segment builds
    // nothing (and the strip draws nothing).
    void Build(const MenuWaveSpec& shape, Texture* texture);
    // The wave's time runs at 0.1 x timeScale a second and wraps at 1; every
    // row moves sideways by the loop's value at its place.
    void Update(float dt);
    // The ribbon at its position with its texture, depth-tested; nothing
    // without a texture.
    void Draw() const;

    float Time() const { return _time; }
    int Count() const { return _count; }
    const std::vector<Vertex>& Rest() const { return _rest; }
    const std::vector<Vertex>& Drawn() const { return _strip.batch.vertices; }

private:
    std::vector<Vertex> _rest;
    StripMesh _strip;
    int _count = 0;
    float _timeScale = 1.0f;
    SplinePath<float> _values;
    float _time = 0.0f;
};
