#pragma once

// A light whose brightness and colour drift from one random target to the
// next over random periods: the arcs of the credits and the light over the
// main menu. Its owner draws the first targets; the drift draws the rest
// from the game's generator.

#include "engine/util/Color.h"

struct ColorDrift {
    // The clock runs by dt. Once it passes the period it keeps the excess,
    // the targets become the starts, and a new target level (10 to 255), a
    // new period (0.5 to 1.8 seconds) and a new target colour (between grey
    // 30 and white) are drawn, in that order. Level and colour are those of
    // the clock's share of the period; a frame longer than a whole period
    // holds them at the targets.
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
