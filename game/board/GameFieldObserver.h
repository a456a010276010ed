#pragma once

// The board's clockwork: one per board, made by the board and running for
// its life; it never finishes by itself. Every frame it advances the clock
// that spaces the chips' knock, which all boards share: however many boards
// run, the clock moves once a frame (the first running observer moves it).

#include "game/board/FieldController.h"

class GameFieldObserver : public FieldController {
public:
    explicit GameFieldObserver(GameField* field);
    // The board forgets its observer.
    ~GameFieldObserver() override;

    // A step of exactly 0 does nothing at all.
    void Update(float dt) override;
    bool IsFinished() override { return _finished; }

private:
    // The first observer that runs (not paused, not finished) this frame.
    bool MovesSharedClock() const;
};
