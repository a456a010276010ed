#pragma once

// The walk back through a lost country: the flag runs from the furthest
// level the player reached back to the country's first level (0.6 seconds a
// level), each level it leaves flaring up and going out, while the player's
// record of the country is reset. A country of one level reached keeps the
// flag where it is.

#include "engine/util/SplinePath.h"
#include "game/screens/MapProcess.h"

#include <vector>

class DestroyCountryProgress : public MapProcess {
public:
    // Fills the map's country path and resets the country in the game
    // state. A furthest stage the map does not have (after a won cycle) is
    // logged and walks nothing.
    explicit DestroyCountryProgress(Map* map);
    // The flag on the country's first level; the path emptied.
    ~DestroyCountryProgress() override;

    void Update(float dt) override;
    bool IsFinished() override { return _time >= 1.0f; }

    SplinePath<float> _x;
    SplinePath<float> _y;
    std::vector<unsigned char> _fired;
    int _stage = 0; // from 0
    float _rate = 1.0f;
};
