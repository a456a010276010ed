#include "engine/util/Random.h"

#include <chrono>

namespace {
std::uint32_t g_randomState = 1;
bool g_clockSeedFixed = false;
std::uint32_t g_fixedClockSeed = 0;
} // namespace

void SeedRandom(std::uint32_t seed)
{
    g_randomState = seed;
}

int RandomInt()
{
    g_randomState = g_randomState * 214013u + 2531011u;
    return static_cast<int>((g_randomState >> 16) & 0x7FFF);
}

void SeedRandomFromClock()
{
    if (g_clockSeedFixed) {
        SeedRandom(g_fixedClockSeed);
        return;
    }
    // Finer than seconds, so two seedings in one second differ.
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    SeedRandom(static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
}

void FixClockSeed(std::uint32_t seed)
{
    g_clockSeedFixed = true;
    g_fixedClockSeed = seed;
}

void UnfixClockSeed()
{
    g_clockSeedFixed = false;
}

bool ClockSeedFixed()
{
    return g_clockSeedFixed;
}
