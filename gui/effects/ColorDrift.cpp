#include "gui/effects/ColorDrift.h"

#include "engine/render/DrawRoutines.h"
#include "engine/util/MathFunctions.h"

#include <algorithm>

void ColorDrift::Start()
{
    _fromLevel = 100.0f + RandomTimes(0.004730338f);
    _toLevel = 100.0f + RandomTimes(0.004730338f);
    _period = 0.2f + RandomTimes(2.438429e-5f);
    _phaseTime = 0.0f;
    _fromColor = RandomColorBetween(Color(100, 100, 100, 255), Color(255, 255, 255, 255));
    _toColor = RandomColorBetween(Color(100, 100, 100, 255), Color(255, 255, 255, 255));
    _level = _fromLevel;
    _color = _fromColor;
}

void ColorDrift::Advance(float dt)
{
    _phaseTime += dt;
    if (_phaseTime >= _period) {
        _phaseTime -= _period;
        _fromLevel = _toLevel;
        _toLevel = 10.0f + RandomTimes(0.007477004f);
        _period = 0.5f + RandomTimes(3.9643543e-5f);
        _fromColor = _toColor;
        _toColor = RandomColorBetween(Color(30, 30, 30, 255), Color(255, 255, 255, 255));
    }
    const float f = _period > 0.0f ? std::min(_phaseTime / _period, 1.0f) : 1.0f;
    _level = _fromLevel + (_toLevel - _fromLevel) * f;
    _color = LerpColor(_fromColor, _toColor, f);
}
