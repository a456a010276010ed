#include "engine/util/Random.h"
#include "engine/platform/Timer.h"

#include <gtest/gtest.h>

TEST(Random, ClassicFifteenBitSequence)
{
    // The first values of the classic recurrence for seed 1.
    SeedRandom(1);
    const int expected[] = {41, 18467, 6334, 26500, 19169};
    for (int value : expected)
        EXPECT_EQ(RandomInt(), value);
}

TEST(Random, SameSeedSameSequenceAndRange)
{
    SeedRandom(12345);
    std::vector<int> first;
    for (int i = 0; i < 1000; ++i) {
        first.push_back(RandomInt());
        ASSERT_GE(first.back(), 0);
        ASSERT_LE(first.back(), RANDOM_MAX_VALUE);
    }
    SeedRandom(12345);
    for (int value : first)
        ASSERT_EQ(RandomInt(), value);
}

TEST(Random, ClockSeedRepeatsOnlyWhileFixed)
{
    FixClockSeed(12345);
    SeedRandomFromClock();
    const int first = RandomInt();
    SeedRandom(12345);
    EXPECT_EQ(RandomInt(), first);
    SeedRandom(1);
    SeedRandomFromClock();
    EXPECT_EQ(RandomInt(), first);
    UnfixClockSeed();
}

TEST(Random, TheStartsCounterSeedRepeatsWhileTheClockSeedIsFixed)
{
    FixClockSeed(777);
    EXPECT_TRUE(ClockSeedFixed());
    SeedRandomFromCounter();
    const int first = RandomInt();
    SeedRandom(1);
    SeedRandomFromCounter();
    EXPECT_EQ(RandomInt(), first);
    UnfixClockSeed();
    EXPECT_FALSE(ClockSeedFixed());
}
