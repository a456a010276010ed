#pragma once

// One move of the demo board's cursor: a path from the cursor to a target
// point and the progress it makes per second.

#include "engine/util/SplinePath.h"

struct DemoStep {
    SplinePath<float> x;
    SplinePath<float> y;
    float rate = 0.0f;
};
