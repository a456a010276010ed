#pragma once

// A light whose brightness and colour drift from one random target to the
// next over random periods: the arcs of the credits, the lights over the arch
// of the story pages and the light over the main menu. Every number comes
// from the game's generator, in the order written below.

#include "engine/util/Color.h"

struct ColorDrift {
    // A light at its start: from and to levels between 100 and 255, a period
    // of 0.2 to 1 second, the clock at 0 and both colours between grey 100 and
    // white, drawn in that order; level and colour are the starting ones.
    // (The menu's light draws its own start.)
    void Start();
    // The clock runs by dt. Once it reaches the period it keeps the excess,
    // the targets become the starts, and a new target level (10 to 255), a
    // new period (0.5 to 1.8 seconds) and a new target colour (between grey
    // 30 and white) are drawn, in that order. Level and colour are those of
    // the clock's share of the period; a frame longer than a whole period
    // holds them at the targets, so they never leave the range between start
    // and target.
    void Advance(float dt);

    float _level = 0.0f;
    float _period = 0.0f;
    float _fromLevel = 0.0f;
    float _toLevel = 0.0f;
    float _phaseTime = 0.0f;
    Color _fromColor;
    Color _toColor;
    Color _color;
};
