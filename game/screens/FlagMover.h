#pragma once

// Carries the map's flag in a straight line from one waypoint to another in
// a second (at speed 1), fading the target's "current" symbol in as it goes.
// A click on the map ends the move at once; at its end the flag stands on
// the player's level.

#include "engine/util/Vector3.h"
#include "game/screens/MapProcess.h"

class FlagMover : public MapProcess {
public:
    // Puts the flag on the start, starts "FlagMovingEnd" at the target and
    // plays "MapWaypoint".
    FlagMover(const Vector3& start, const Vector3& target, float speed, Map* map);
    ~FlagMover() override;

    void Update(float dt) override;
    bool IsFinished() override { return _time >= 1.0f; }

    float _speed;
    Vector3 _start;
    Vector3 _target;
};
