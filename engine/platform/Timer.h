#pragma once

// The frame clock: measures each frame's step with the high-resolution
// counter and lets long operations leave their own duration out of it.

#include <cstdint>
#include <functional>

class Timer {
public:
    using Counter = std::function<std::int64_t()>;

    // The system's performance counter.
    Timer();
    // An injected counter (tests, fixed-step runs).
    Timer(Counter counter, std::int64_t frequency);

    void Restart();
    void Pause();
    void Resume();
    float GetElapsedSeconds() const;

    std::int64_t Now() const { return _counter(); }
    float SecondsPerTick() const { return _secondsPerTick; }
    std::int64_t Frequency() const { return _frequency; }

    // The step rules of the main loop.
    std::int64_t start = 0;
    std::int64_t pausedTicks = 0;
    std::int64_t pauseStart = 0;

private:
    Counter _counter;
    std::int64_t _frequency = 1;
    float _secondsPerTick = 1.0f;
};

// A step of 0.8 seconds or more counts as 0.02 seconds.
float CutLongFrameStep(float step);

// Seeds the game's random generator with the low 32 bits of the counter
// (with the fixed seed while the clock's seed is fixed).
void SeedRandomFromCounter();
