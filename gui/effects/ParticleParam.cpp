#include "gui/effects/ParticleParam.h"

#include "engine/util/MathFunctions.h"

float ParticleRandom(float lo, float hi)
{
    return RandomFloatRange(lo, hi);
}

void ParticleParam::Reset()
{
    _value = ParticleRandom(_initial - _variation, _initial + _variation);
    _rate = ParticleRandom(_d - _dVariation, _d + _dVariation);
    if (!_hasSpline)
        return;
    for (std::size_t i = 0; i < _keys.size(); ++i) {
        ParticleKey& key = _keys[i];
        key._value = ParticleRandom(key._initial - key._variation, key._initial + key._variation);
        // The first key has nothing to add to.
        if (key._offset && i > 0)
            key._value += _keys[i - 1]._value;
    }
    RebuildSpline();
}

void ParticleParam::Update(float dt, float f)
{
    if (!_hasSpline) {
        _value += dt * _rate;
        return;
    }
    const int sectors = static_cast<int>(_keys.size()) - 1;
    if (sectors < 1) {
        // A single key holds its value over the whole life.
        if (!_keys.empty())
            _value = _keys.front()._value;
        return;
    }
    const float span = f * static_cast<float>(sectors);
    const int i = static_cast<int>(span);
    _value = _spline.getFrame(i, span - static_cast<float>(i));
}

void ParticleParam::RebuildSpline()
{
    _spline.Clear();
    for (const ParticleKey& key : _keys)
        _spline.addKey(key._value);
    _spline.CalculateGradient(false);
}

void ParticleParam::Clear()
{
    _value = _initial = _variation = _rate = _d = _dVariation = 0.0f;
    _hasSpline = false;
    _keys.clear();
    _spline.Clear();
}
