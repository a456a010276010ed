#include "game/screens/WindCurve.h"

#include "engine/util/Random.h"

WindCurve::WindCurve(std::initializer_list<float> keys, float base) : _base(base)
{
    SetCurveKeys(curve, keys);
}

void WindCurve::Advance(float dt)
{
    phase += dt * speed;
    while (phase >= 1.0f) {
        phase -= 1.0f;
        Rebuild();
    }
}

void WindCurve::Rebuild()
{
    curve.Clear();
    curve.addKey(lastValue);
    const int count = RandomInt() % 10 + 2;
    for (int i = 0; i < count; ++i) {
        lastValue = static_cast<float>(RandomInt() % 1000) * 0.002f + _base;
        curve.addKey(lastValue);
    }
    curve.CalculateGradient(false);
}
