#pragma once

// One animated value of a particle (position, size, angle or a colour
// channel). Each particle draws its own starting value and rate from the
// template's ranges; with a curve, the value follows keys spread evenly over
// the particle's life instead of the rate.

#include "engine/util/SplinePath.h"

#include <vector>

struct ParticleKey {
    float _value = 0.0f;     // drawn
    float _initial = 0.0f;
    float _variation = 0.0f;
    bool _offset = false;    // the drawn value is added to the previous key's
};

class ParticleParam {
public:
    // Draws the starting value, the rate and (with a curve) every key's
    // value, then rebuilds the curve.
    void Reset();
    // Without a curve: value += dt x rate. With one: the curve at the life
    // fraction f (0 at birth, 1 at death).
    void Update(float dt, float f);
    // Rebuilds the curve through the keys' drawn values (open ends).
    void RebuildSpline();
    // Everything back to zero, no curve.
    void Clear();

    float _value = 0.0f;
    float _initial = 0.0f;
    float _variation = 0.0f;
    float _rate = 0.0f;
    float _d = 0.0f;
    float _dVariation = 0.0f;
    bool _hasSpline = false;
    std::vector<ParticleKey> _keys;
    SplinePath<float> _spline;
};

// lo + r x ((hi - lo) - 0.001), r from 0 to 1: the particles' random range.
float ParticleRandom(float lo, float hi);
