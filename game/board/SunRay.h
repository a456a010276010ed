#pragma once

// A ray of light running from a block of cells to the sun.

#include "gui/effects/RayStrip.h"

struct SunRay {
    RayStrip strip;
    float t = 0.0f;
    float speed = 0.0f;
};
