#pragma once

// One square of a swap moving to its partner's place: a straight line over
// one unit of progress at the given speed, its alpha eased between two
// values. When it finishes (at the end of the line, or stopped) the square
// stands on its end point in its target cell. While any mover lives the
// board's _msg3Blocked is set.

#include "engine/util/Point.h"
#include "engine/util/Vector3.h"
#include "game/board/FieldController.h"

class SquareMover : public FieldController {
public:
    SquareMover(Square* square, const Vector3& start, const Vector3& end, const Point& targetCell, GameField* field,
                float speed, float startAlpha, float endAlpha);
    ~SquareMover() override;

    void Update(float dt) override;
    bool IsFinished() override;
    void OnSquareLeaving(const Square* square) override;

    Square* _square;
    Vector3 _start;
    Vector3 _end;
    Point _targetCell;
    float _speed;
    float _startAlpha;
    float _endAlpha;

protected:
    void OnFieldGone() override { _square = nullptr; }

private:
    // The square on its end point and in its target cell, once.
    void Arrive();
    bool _arrived = false;
};
