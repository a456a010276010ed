#include "engine/util/MathFunctions.h"

#include "engine/util/Random.h"

#include <cmath>
#include <limits>

namespace {

// 1 / 32767 in single precision.
constexpr float kRandomScale = 3.0518509e-5f;

} // namespace

int TruncateToInt(float value)
{
    if (std::isnan(value))
        return 0;
    if (value >= 2147483648.0f)
        return std::numeric_limits<int>::max();
    if (value <= -2147483648.0f)
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

int LerpInt(int a, int b, float t)
{
    return a + static_cast<int>(static_cast<float>(b - a) * t);
}

float lerp(float a, float b, float t)
{
    return a + (b - a) * t;
}

float ease(float t, float accel, float decel)
{
    const float sum = accel + decel;
    if (sum == 0.0f)
        return t;
    if (sum > 1.0f) {
        accel /= sum;
        decel /= sum;
    }
    const float span = 2.0f - accel - decel;
    const float k = 1.0f / span;
    // A share of 0 has no curved part: the constant speed runs to that end of
    // the span (and the curved formula would divide by it).
    if (accel > 0.0f && t < accel)
        return k / accel * t * t;
    // Divided rather than multiplied by k, so that a curve without a
    // decelerating part ends exactly at 1.
    if (decel <= 0.0f || t < 1.0f - decel)
        return (2.0f * t - accel) / span;
    const float rest = 1.0f - t;
    return 1.0f - k / decel * rest * rest;
}

float getPeriod(float x, float period)
{
    return x - static_cast<float>(static_cast<int>(x / period)) * period;
}

float RandomUnit()
{
    return RandomTimes(kRandomScale);
}

float RandomTimes(float factor)
{
    return static_cast<float>(RandomInt()) * factor;
}

float RandomFloat(float max)
{
    return RandomUnit() * (max - 0.001f);
}

float RandomFloatRange(float min, float max)
{
    return min + RandomUnit() * (max - min - 0.001f);
}

int RandomIndex(int max)
{
    return static_cast<int>(RandomUnit() * (static_cast<float>(max) - 0.001f));
}

int RandomIntRange(int min, int max)
{
    return min + static_cast<int>(RandomUnit() * (static_cast<float>(max - min) - 0.001f));
}
