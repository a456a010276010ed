#pragma once

// Timing curves of the board effects: the keys in order, then the gradients
// of an open curve.

#include "engine/util/SplinePath.h"

#include <initializer_list>

inline void SetCurveKeys(SplinePath<float>& curve, std::initializer_list<float> keys)
{
    curve.Clear();
    for (float key : keys)
        curve.addKey(key);
    curve.CalculateGradient(false);
}
