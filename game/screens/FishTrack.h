#pragma once

// A path that a school of fish follows through the menu's water: positions
// in space and, per key, how far each fish of a school may stray from it on
// each axis.

#include "engine/util/Vector3.h"

#include <vector>

struct FishTrack {
    std::vector<Vector3> positions;
    std::vector<Vector3> velocities; // one per position
    int numFishes = 120;
    float timeScale = 1.0f;
};
