#pragma once

// One of the two lights that drift over the arch of the story pages: its
// brightness (the alpha of the arch's glow) and its colour travel from one
// random target to the next over a random period. Every number comes from
// the game's generator, in the order written below.

#include "engine/util/Color.h"

struct DriftingLight {
    // A light at its start: from and to between 100 and 255, a period of 0.2
    // to 1 second, the timer at 0 and both colours between grey 100 and
    // white.
    void Start();
    // The timer advances by dt; at the end of a period the light takes its
    // target as the new start and draws a new target (brightness 10 to 255,
    // colour between grey 30 and white) and a new period (0.5 to 1.8
    // seconds). The value and colour are those of the timer's share of the
    // period, which stops at the whole period when a long frame carries the
    // timer past it: they never leave the range between start and target.
    void Advance(float dt);

    float value = 0.0f;
    float period = 0.0f;
    float from = 0.0f;
    float to = 0.0f;
    float timer = 0.0f;
    Color fromColor;
    Color toColor;
    Color color;
};
