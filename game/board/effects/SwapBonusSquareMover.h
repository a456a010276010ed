#pragma once

// One of the two chips the swap bonus exchanges: it leaves the board, flies
// to the other chip's cell turning once on the way, and joins the board
// there. The board stays blocked while the two fly; the second to end runs
// the match check, which frees the board when it finds nothing.

#include "engine/util/SplinePath.h"
#include "game/board/effects/FieldEffect.h"

#include <memory>

class SwapBonusSquareMover : public FieldEffect {
public:
    SwapBonusSquareMover(Square* square, int targetX, int targetY, GameField* field, float speed);
    // A chip that never arrived (stopped) is freed with the mover.
    ~SwapBonusSquareMover() override;

    void Update(float dt) override { FieldEffect::Update(dt); }
    // At the end of its flight the chip joins the board in its new cell.
    bool IsFinished() override;
    void Draw() override;

    std::unique_ptr<Square> _square;
    int _targetX;
    int _targetY;
    float _spin = 360.0f;
    SplinePath<float> _pathX;
    SplinePath<float> _pathY;
    SplinePath<float> _pathScale;
};
