#include "game/board/SquareMover.h"

#include "engine/util/MathFunctions.h"
#include "game/board/GameField.h"
#include "game/board/Square.h"

SquareMover::SquareMover(Square* square, const Vector3& start, const Vector3& end, const Point& targetCell,
                         GameField* field, float speed, float startAlpha, float endAlpha)
    : FieldController("SquareMover", field)
    , _square(square)
    , _start(start)
    , _end(end)
    , _targetCell(targetCell)
    , _speed(speed)
    , _startAlpha(startAlpha)
    , _endAlpha(endAlpha)
{
    if (_field)
        _field->_msg3Blocked = true;
}

SquareMover::~SquareMover()
{
    // A mover stopped before its end still leaves its square in place.
    Arrive();
    if (_field)
        _field->_msg3Blocked = false;
}

void SquareMover::Update(float dt)
{
    _time += dt * _speed;
    if (!_square)
        return;
    if (_time < 1.0f) {
        _square->position = _start + (_end - _start) * _time;
        _square->alpha = _startAlpha + (_endAlpha - _startAlpha) * ease(_time, 1.0f, 1.0f);
    } else {
        _square->position = _end;
        _square->alpha = _endAlpha;
    }
}

bool SquareMover::IsFinished()
{
    if (!_finished && _time < 1.0f)
        return false;
    Arrive();
    return true;
}

void SquareMover::Arrive()
{
    if (_arrived || !_square)
        return;
    _arrived = true;
    _square->position = _end;
    _square->alpha = _endAlpha;
    _square->x = _targetCell.x;
    _square->y = _targetCell.y;
}

void SquareMover::OnSquareLeaving(const Square* square)
{
    if (square == _square)
        _square = nullptr;
}
