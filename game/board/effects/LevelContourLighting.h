#pragma once

// A band of light sweeping once diagonally across the board's frame: the
// frame's pieces drawn again, additively, bright along a line that moves
// from one corner of the screen to the other.

#include "game/board/effects/FieldEffect.h"

class LevelContourLighting : public FieldEffect {
public:
    LevelContourLighting(float speed, GameField* field);

    void Update(float dt) override { FieldEffect::Update(dt); }
    bool IsFinished() override { return _finished || IsTimeUp(); }
    void Draw() override;

    // The alpha of a corner at the screen point (x, y) for a piece of that
    // brightness (its alpha, 0 to 255): a full piece lights up to 230.
    int CornerAlpha(float x, float y, float brightness) const;

    int _dx;
    int _dy;
};
