#include "game/board/SquareFall.h"

#include "engine/sound/SoundSystemImpl.h"
#include "game/board/ChipKnockClock.h"
#include "game/board/GameField.h"
#include "game/board/Square.h"
#include "game/board/SquareKinds.h"
#include "game/state/GameInfo.h"

#include <algorithm>
#include <cmath>

SquareFall::SquareFall(Square* square, int targetX, int targetY, const Vector3& start, const Vector3& target,
                       GameField* field, float startAlpha, float targetAlpha, float delay, float startSpeed,
                       bool handOver)
    : FieldController("SquareFall", field)
    , _square(square)
    , _columnX(target.x)
    , _start(start)
    , _target(target)
    , _targetX(targetX)
    , _targetY(targetY)
    , _alpha(startAlpha)
    , _targetAlpha(targetAlpha)
    , _t(-delay)
    , _speed(-startSpeed)
    , _handOver(handOver)
{
    if (_field) {
        _field->_fallCount += 1;
        _field->SetBlocked(true, "SquareFall::SquareFall");
    }
    if (_square) {
        _square->StopBounce();
        if ((_square->kind & 0xF0) == kKindStone) {
            _start = _target;
            _t = -3.0f;
        }
        _square->position = _start;
    }
    ComputeTiming();
}

void SquareFall::ComputeTiming()
{
    const float g = _gravity;
    const float h = _start.y - _target.y;
    const float v = _speed;
    // A target above the start lands at once rather than under the root of
    // a negative number.
    const float landingTime = std::max((std::sqrt(std::max(8.0f * g * h + 4.0f * v * v, 0.0f)) - 2.0f * v) / (2.0f * g), 0.0f);
    _bounce = -0.2f * (landingTime * g + v);
    _bounceTime = -2.0f * _bounce / g;
    const float duration = landingTime + _bounceTime;
    // No height and no speed: nothing to time, the square lands at once.
    _instant = !(duration > 0.0f);
    _rate = _instant ? 0.0f : 1.0f / duration;
    _landing = _instant ? 0.0f : landingTime * _rate;
    if (_square)
        _square->SetBounce(_bounce, _bounceTime, g, _target.y);
}

SquareFall::~SquareFall()
{
    if (_square) {
        _square->x = _targetX;
        _square->y = _targetY;
        _square->position.y = _target.y;
        _square->alpha = _targetAlpha;
    }
    if (!_field)
        return;
    GameField* field = _field;
    field->_fallCount -= 1;
    if (field->_fallCount > 0)
        return;
    if (field->_fallAgain) {
        field->RunFalling(-80.0f, 0.02f, 0.02f);
    } else if (field->_checkAfterFall) {
        field->CheckMatch3(false, false, true);
    } else {
        field->SetBlocked(false, "SquareFall::~SquareFall");
        field->_tipsAllowed = true;
        for (int event : {6, 9, 2, 4})
            field->ShowTip(event, 0);
    }
}

bool SquareFall::IsFinished()
{
    return _finished || _t >= 1.0f;
}

void SquareFall::OnSquareLeaving(const Square* square)
{
    if (square != _square)
        return;
    _square = nullptr;
    _t = 2.0f;
}

bool SquareFall::LeaveAtBottom()
{
    const int kind = _square->kind;
    const bool leaves = IsBonusKind(kind) || IsArtefactKind(kind) || kind == kKindMusor;
    if (!leaves || gameInfo.IsGameOver())
        return false;
    for (int y = 0; y < _targetY; ++y)
        if (_field->_levelGrid.IsCell(_targetX, y))
            return false;
    _square->x = _targetX;
    _square->y = _targetY;
    _square->position = _target;
    _field->SetBlocked(true, "SquareFall::Update");
    if (!_field->StartLeavingEffect(_square))
        return false;
    if (ActivePlayer().levelNotComp || _field->_isHelpMode)
        _field->_fallAgain = true;
    _square = nullptr;
    _t = 2.0f;
    _field->CheckCompleteLevel();
    return true;
}

void SquareFall::Update(float dt)
{
    if (!_square || !_field) {
        _t = 2.0f;
        return;
    }
    if (_t < 0.0f) {
        _t += dt;
        if (_t < 0.0f)
            return;
    } else {
        _t += dt * _rate;
    }
    if (_instant)
        _t = std::max(_t, 1.0f);

    if (!_landed && _t >= _landing) {
        _landed = true;
        if (_playKnock && ChipKnockClock::TakeKnock())
            g_sound.PlaySample("ChipKnock");
        if (LeaveAtBottom())
            return;
    }

    _alpha += kAlphaRate * dt;
    if (_alpha > _targetAlpha)
        _alpha = _targetAlpha;
    _square->alpha = _alpha;

    float y;
    if (_t < _landing) {
        const float tau = _t / _rate;
        y = _start.y - tau * _speed - _gravity * tau * tau / 2.0f;
    } else if (_instant) {
        y = _target.y;
    } else if (_handOver) {
        y = _target.y;
        _t = 2.0f;
        _square->SetBounce(_bounce, _bounceTime, _gravity, _target.y);
        _square->StartBounce();
        if (_halveBounce) {
            _square->bounceSpeed *= 0.5f;
            _square->bounceDuration *= 0.5f;
        }
    } else {
        const float tau = (_t - _landing) / _rate;
        y = _target.y - tau * _bounce - _gravity * tau * tau / 2.0f;
    }
    if (y < _target.y)
        y = _target.y;
    if ((_square->kind & 0xF0) == kKindStone) {
        _square->position = _target;
    } else {
        _square->position.x = _columnX;
        _square->position.y = y;
    }
}
