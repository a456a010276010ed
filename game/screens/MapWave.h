#pragma once

// One ring of water that spreads from the island as its title rises: it
// turns slowly, grows, and fades from white to blue over its time t (0 to 1;
// negative while it waits). A plain record held by the map's wave list.

#include "engine/util/SplinePath.h"

class Sprite;

class MapWave {
public:
    // Draws the turn speed, then the size factor.
    MapWave();

    // Nothing unless 0 <= t < 1: the picture centred on the island, grown,
    // turned and coloured for its time.
    void Draw() const;

    float angle = 0.0f;
    float rotationSpeed = 0.0f; // degrees a second, -5 to 5
    SplinePath<float> scale;
    SplinePath<float> alpha;
    Sprite* picture = nullptr; // "#VOLNA", not owned
    float sizeFactor = 1.0f;   // 0.9 to 1.149
    float t = 0.0f;
};
