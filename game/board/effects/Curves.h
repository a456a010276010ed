#pragma once

// Timing curves of the board effects, set with SetCurveKeys.

#include "engine/util/SplinePath.h"

#include <algorithm>

// An alpha curve of 0 to 1 read at t as 0 to 255.
inline int CurveAlpha(const SplinePath<float>& curve, float t)
{
    return std::clamp(static_cast<int>(255.0f * curve.getGlobalFrame(t)), 0, 255);
}
