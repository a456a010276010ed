#pragma once

// A chip lit for a while (the hint's frame, a tip): its highlight frames
// loop until the light ends, then it returns to its stored frame.

#include "game/board/FieldController.h"

class SquareLight : public FieldController {
public:
    SquareLight(Square* square, float duration, GameField* field);
    ~SquareLight() override;

    void Update(float dt) override;
    bool IsFinished() override { return _finished || _time >= 1.0f; }
    void OnSquareLeaving(const Square* square) override;

    Square* _square;
    float _speed;

protected:
    void OnFieldGone() override { _square = nullptr; }

private:
    // Only a square this light lit goes back.
    bool _lit = false;
};
