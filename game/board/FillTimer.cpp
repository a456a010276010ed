#include "game/board/FillTimer.h"

#include "game/board/GameField.h"
#include "game/state/Player.h"

FillTimer::FillTimer(GameField* field) : FieldController("FillTimer", field)
{
    _time = -kWait;
    if (!_field)
        return;
    _field->_elapsed = ActivePlayer().timeToLevel;
    _field->_fillTimerStarted = true;
    _field->_timerVisible = true;
}

FillTimer::~FillTimer()
{
    if (_field)
        _field->_elapsed = 0.0f;
}

void FillTimer::Update(float dt)
{
    const float step = _time >= 0.0f ? dt * kRate : dt;
    _time += step;
    if (_field && _time >= 0.0f && _time < 1.0f)
        _field->_elapsed = ActivePlayer().timeToLevel * (1.0f - _time);
}
