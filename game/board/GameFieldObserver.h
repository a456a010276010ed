#pragma once

// The board's clockwork: one per board, made by the board and running for
// its life; it never finishes by itself. Every frame it advances the board's
// clocks, animations and counters, runs the level's clock, warns when time
// runs short, offers the idle tips and hints, spreads ice, starts the
// ambient lights and tests for the end of the level once a second.
//
// It also advances the clock that spaces the chips' knock, which all boards
// share: however many boards run, the clock moves once a frame (the first
// running observer moves it).

#include "game/board/FieldController.h"

class GameFieldObserver : public FieldController {
public:
    // The drawn score moves toward the score at this interval.
    static constexpr float kScoreStep = 0.05f;
    // The end of the level is tested this often, besides after every move.
    static constexpr float kCheckInterval = 1.0f;
    // Ice spreads at most this often.
    static constexpr float kIceInterval = 1.0f;
    // The idle time after which the first idle tip is offered.
    static constexpr float kIdleTipTime = 3.0f;

    explicit GameFieldObserver(GameField* field);
    // The board forgets its observer.
    ~GameFieldObserver() override;

    // A step of exactly 0 does nothing at all.
    void Update(float dt) override;
    bool IsFinished() override { return _finished; }

private:
    // The first observer that runs (not paused, not finished) this frame.
    bool MovesSharedClock() const;

    // The steps that run whether the board is active or not.
    void StepAnimations(GameField& field, float dt);
    void StepSunRings(GameField& field);
    void StepSunPulse(GameField& field, float dt);
    void StepSunGlow(GameField& field, float dt);
    void StepHurryWarning(GameField& field);
    void StepLevelClock(GameField& field, float dt);
    void StepIce(GameField& field, float dt);
    void StepScoreDisplay(GameField& field, float dt);
    void StepIdle(GameField& field, float dt);
    void StepAmbientEffects(GameField& field);

    bool _iceDue = false;
    float _scoreClock = 0.0f;
};
