#pragma once

// Timing curves of the board effects: the keys in order, then the gradients
// of an open curve.

#include "engine/util/SplinePath.h"

#include <algorithm>
#include <initializer_list>

inline void SetCurveKeys(SplinePath<float>& curve, std::initializer_list<float> keys)
{
    curve.Clear();
    for (float key : keys)
        curve.addKey(key);
    curve.CalculateGradient(false);
}

// An alpha curve of 0 to 1 read at t as 0 to 255.
inline int CurveAlpha(const SplinePath<float>& curve, float t)
{
    return std::clamp(static_cast<int>(255.0f * curve.getGlobalFrame(t)), 0, 255);
}
