#pragma once

// The dead board's reshuffle: a new deal is made at once, but every square
// keeps showing its old kind until a wave, running out from one cell, reaches
// it; then it takes its new kind. The board is blocked while the wave runs,
// and checked for a move again at its end.

#include "game/board/FieldController.h"
#include "game/board/LevelGrid.h"

class Reshuffle : public FieldController {
public:
    static constexpr float kSpeed = 180.0f;
    static constexpr float kDelay = 1.2f;
    // The fade value at which a square takes its new kind, and its end.
    static constexpr float kChangeAt = 64.0f;
    static constexpr float kFull = 255.0f;
    // Fade per cell of distance from the centre, and the random lag's range.
    static constexpr int kPerCell = 15;
    static constexpr int kLagRange = 35;

    // Deals the new board; the wave starts after the delay, at (cx, cy).
    Reshuffle(float speed, int cx, int cy, GameField* field, float delay = kDelay);
    // Unblocks the board and checks it for a move (unless the board stopped
    // it, or the deal had none).
    ~Reshuffle() override;

    void Update(float dt) override;
    bool IsFinished() override { return _finished || _done; }
    // Stopped by the board: it ends without looking for a move.
    void Stop() override;

    // The kind a cell shows once its square has changed, and its fade value.
    int NewKind(int x, int y) const { return _kinds[x][y]; }
    float Fade(int x, int y) const { return _fade[x][y]; }

private:
    static constexpr int kSide = LevelGrid::kSide;

    int _kinds[kSide][kSide] = {};
    float _fade[kSide][kSide] = {};
    bool _changed[kSide][kSide] = {};
    bool _done = false;
    bool _stopped = false;
    bool _dealHasMove = true;
    float _speed;
    float _phase = 0.0f;
};
