#include "engine/platform/Timer.h"

#include "engine/util/Random.h"

#include <SDL2/SDL_timer.h>

Timer::Timer()
    : Timer([] { return static_cast<std::int64_t>(SDL_GetPerformanceCounter()); },
            static_cast<std::int64_t>(SDL_GetPerformanceFrequency()))
{
}

Timer::Timer(Counter counter, std::int64_t frequency)
    : _counter(std::move(counter))
    , _frequency(frequency > 0 ? frequency : 1)
    , _secondsPerTick(1.0f / static_cast<float>(_frequency))
{
    start = _counter();
}

void Timer::Restart()
{
    start = _counter();
    pausedTicks = 0;
}

void Timer::Pause()
{
    pauseStart = _counter();
}

void Timer::Resume()
{
    pausedTicks += _counter() - pauseStart;
}

float Timer::GetElapsedSeconds() const
{
    return static_cast<float>(_counter() - pausedTicks - start) * _secondsPerTick;
}

float CutLongFrameStep(float step)
{
    return step >= 0.8f ? 0.02f : step;
}

void SeedRandomFromCounter()
{
    // A run with the clock's seed fixed repeats from its start on.
    if (ClockSeedFixed()) {
        SeedRandomFromClock();
        return;
    }
    SeedRandom(static_cast<std::uint32_t>(SDL_GetPerformanceCounter() & 0xFFFFFFFFu));
}
