#include "game/board/TimeBonus.h"

#include "game/board/GameField.h"
#include "game/state/GameInfo.h"
#include "game/state/Player.h"

#include <algorithm>

TimeBonus::TimeBonus(float amount, float startElapsed, GameField* field)
    : FieldController("TimeBonus", field)
    , _amount(amount)
    , _startElapsed(startElapsed)
{
    _time = -1.5f;
    if (_field)
        _field->_timeBonusRunning = true;
}

TimeBonus::~TimeBonus()
{
    if (!_field)
        return;
    LevelInfo record = _field->CurrentLevelInfo();
    record.usedBonus[kTimeButton] += 1;
    _field->StoreCurrentLevelInfo(record);
    HoverRect& button = _field->_bonusButtons[kTimeButton];
    if (button.count > 0)
        button.count -= 1;
    ActivePlayer().bonusCount[kTimeButton] = button.count;
    _field->_timeBonusRunning = false;
}

void TimeBonus::SetElapsed(float elapsed)
{
    _field->_elapsed = std::max(0.0f, elapsed);
    ActivePlayer().levelTime = _field->_elapsed;
}

void TimeBonus::Update(float dt)
{
    _time += _time >= 0.0f ? 0.45f * dt : dt;
    if (!_field)
        return;
    if (_time < 0.0f)
        _field->_elapsed = _startElapsed;
    else if (_time < 1.0f)
        SetElapsed(_startElapsed - _amount * _time);
}

bool TimeBonus::IsFinished()
{
    if (_finished)
        return true;
    if (_time < 1.0f)
        return false;
    if (_field)
        SetElapsed(_startElapsed - _amount);
    return true;
}
