#pragma once

// The one random generator of the game: the classic 15-bit linear
// congruential recurrence, so that seeded runs repeat exactly.

#include <cstdint>

constexpr int RANDOM_MAX_VALUE = 32767;

void SeedRandom(std::uint32_t seed);
// Next value, 0..32767.
int RandomInt();

// Where the game seeds from the clock (the board's fill, its frame's
// decorations): the clock in play. A test fixes the value so that such a
// seeding repeats; UnfixClockSeed returns to the clock.
void SeedRandomFromClock();
void FixClockSeed(std::uint32_t seed);
void UnfixClockSeed();
bool ClockSeedFixed();
