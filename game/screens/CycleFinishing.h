#pragma once

// The end of a cycle on the map: every waypoint lights up in its country's
// colour and goes out one after another (the first one after a second, each
// next 0.08 seconds later, each over a second), with a flare where it goes
// out; the player's progress starts again at the first level. The light
// stays paused until it is over.

#include "engine/util/Point.h"
#include "game/screens/MapProcess.h"

#include <vector>

class CycleFinishing : public MapProcess {
public:
    explicit CycleFinishing(Map* map);
    // Every waypoint's extra alpha back to 0.
    ~CycleFinishing() override;

    void Update(float dt) override;
    // When every waypoint has faded.
    bool IsFinished() override;

    struct Waypoint {
        Point point;
        bool done = false;
        float progress = 0.0f;
        int stage = 0; // its colour's country, from 0
    };
    std::vector<Waypoint> _waypoints;
    float _rate = 1.0f;
};
