#pragma once

// The board's cells and frame fading in (or, vanishing, out) in a sweep:
// 1 diagonally, 2 from the left, 3 from the right, 4 from the centre. It
// writes the board's _cellFade and the frame pieces' alpha; it draws
// nothing of its own. It blocks the board when made and leaves unblocking to
// its creators.

#include "engine/util/Vector3.h"
#include "game/board/effects/FieldEffect.h"

#include <vector>

class FieldAppearance : public FieldEffect {
public:
    enum Sweep { kDiagonal = 1, kFromLeft = 2, kFromRight = 3, kFromCentre = 4 };

    FieldAppearance(float speed, int sweepMode, GameField* field, int vanish = 0, float startDelay = 0.0f);
    // A vanishing board is shown again.
    ~FieldAppearance() override;

    // Nothing happens until the start delay has run out.
    void Update(float dt) override;
    bool IsFinished() override { return _finished || _done; }
    void Draw() override { DrawNothing(); }

    int _sweepMode;
    int _vanish;
    float _delay;
    bool _done = false;

private:
    struct PieceMove {
        Vector3 start;
        Vector3 end;
    };

    void FadeCells();
    void FadePieces();

    // The frame pieces' points, start and end of their move (equal: the
    // pieces keep their place and only fade).
    std::vector<PieceMove> _pieces;
};
