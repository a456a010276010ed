#pragma once

// The end of a won cycle: the island's title rises out of the middle of the
// sea in two seconds while five rings of water spread from it one after
// another, and every waypoint goes out (CycleFinishing, which it starts).

#include "engine/util/SplinePath.h"
#include "game/screens/MapProcess.h"

class MapTitleEmerge : public MapProcess {
public:
    // Plays "VelmoraAscendant", puts five new waves on the map and starts a
    // CycleFinishing.
    explicit MapTitleEmerge(Map* map);

    void Update(float dt) override;
    bool IsFinished() override { return _time >= 1.0f; }

    float _rate = 0.5f;
    SplinePath<float> _scale;
    SplinePath<float> _alpha;
};
