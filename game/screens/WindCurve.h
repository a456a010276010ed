#pragma once

// A gust of the sail scene's wind: a curve that is run through once per
// whole unit of its phase and then drawn anew at random, beginning where the
// last one ended, so the motion never jumps.

#include "engine/util/SplinePath.h"

#include <initializer_list>

class WindCurve {
public:
    static constexpr float kSpeed = 0.05f;

    // The first curve through the keys; new keys are drawn between base and
    // base + 2.
    WindCurve(std::initializer_list<float> keys, float base);

    // The phase advances by dt x speed; every whole unit it passes draws the
    // curve anew once.
    void Advance(float dt);
    // The curve at t (0 to 1 over the whole curve; its last value past 1).
    float At(float t) const { return curve.getGlobalFrame(t); }

    SplinePath<float> curve;
    float lastValue = 0.0f;
    float phase = 0.0f;
    float speed = kSpeed;

private:
    // The last value, then 2 to 11 random keys.
    void Rebuild();

    float _base;
};
