#pragma once

// The base of the effects that carry something off the board along a curved
// path (a bonus to its button, a life to the lives, an artefact piece to its
// place in the picture): the path's x, y and scale curves read at the local
// time, the particle flame that trails it, and the board's count of things
// in flight, which holds back the end of the level.

#include "engine/util/SplinePath.h"
#include "engine/util/Vector3.h"
#include "game/board/effects/FieldEffect.h"
#include "gui/effects/EffectHandle.h"

#include <string>

class FlyingMover : public FieldEffect {
public:
    // Leaves the flight (if it has not yet) and stops the flame.
    ~FlyingMover() override;

    // The path at t (0 to 1).
    float PathX(float t) const { return _pathX.getGlobalFrame(t); }
    float PathY(float t) const { return _pathY.getGlobalFrame(t); }
    float PathScale(float t) const { return _pathScale.getGlobalFrame(t); }

    Vector3 _start;
    Vector3 _end;
    SplinePath<float> _pathX;
    SplinePath<float> _pathY;
    SplinePath<float> _pathScale;
    // The flame, on the board widget's own effect list.
    EffectHandle _flame;

protected:
    // Counts itself in flight.
    FlyingMover(const std::string& name, float speed, GameField* field, const Vector3& start, const Vector3& end);

    // The flame of that name starts at the point.
    void StartFlame(const std::string& name, float x, float y);
    void MoveFlame(float x, float y);
    void StopFlame();
    // Out of the board's count of things in flight, once.
    void LeaveFlight();

private:
    bool _inFlight = false;
};
