#pragma once

// A train of sparks running along a path (the timer bar, a level line):
// they enter one after another, brightest in the middle of the train, and
// show only inside a clip rectangle. An open path is done once the last
// spark has left it; a closed one runs round until it is stopped. With the
// follow-the-timer flag the path moves sideways with the end of the timer
// bar. A path of no length, or a timer of a level without time, shows
// nothing.

#include "engine/render/Rect.h"
#include "engine/util/Point.h"
#include "game/board/effects/FieldEffect.h"

#include <vector>

class LevelLighting : public FieldEffect {
public:
    LevelLighting(int sparkCount, float spacing, float speed, const std::vector<Point>& path, int picture,
                  GameField* field, const Rect& clip, bool followTimer, float alphaFactor, bool closed);

    void Update(float dt) override;
    bool IsFinished() override { return _finished || (_done && !_closed); }
    void Draw() override;

    // The point at a share (0 to 1) of the path's length, before the shift.
    bool PointAt(float share, float& x, float& y) const;
    // The sideways shift that follows the timer bar (0 without the flag);
    // false when the level has no time to follow.
    bool TimerShift(float& shift) const;

    std::vector<Point> _path;
    std::vector<float> _lengths; // cumulative, one per point (and the closing point)
    float _total = 0.0f;
    std::vector<float> _sparks;
    int _picture;
    Rect _clip;
    bool _closed;
    bool _followTimer;
    float _alphaFactor;
    bool _done = false;
};
