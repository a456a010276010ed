#include "engine/platform/FramePacer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// Ticks per second that give whole periods at 60 and 144 Hz.
const std::int64_t kFrequency = 8640000;
const std::int64_t kPeriod60 = kFrequency / 60;

// A fake clock that runs the loop as the program does: a frame takes its
// time, then the loop waits what the pacer says.
struct PacedLoop {
    FramePacer pacer;
    std::int64_t now = 5000;

    PacedLoop(int refreshRate, bool swapIntervalSet)
        : pacer(kFrequency, refreshRate, swapIntervalSet)
    {
    }
    // Runs a frame of the given length; returns the wait that follows it.
    std::int64_t Frame(std::int64_t ticks)
    {
        const std::int64_t start = now;
        now += ticks;
        pacer.FrameDone(start, now);
        const std::int64_t wait = pacer.TicksToWait(now);
        now += wait;
        return wait;
    }
};

} // namespace

TEST(FramePacer, WaitsFollowHowTheSwapBehaves)
{
    const std::int64_t p = kPeriod60;
    struct Case {
        const char* what;
        bool swapIntervalSet;
        std::vector<std::int64_t> frames;
        std::vector<std::int64_t> waits;
    };
    const Case cases[] = {
        {"the swap waits for the display", true, {p, p, p}, {0, 0, 0}},
        // The first frame has nothing before it to be measured against.
        {"the swap returns at once", true, {p / 100, p / 100, p / 100}, {0, p - p / 100, p - p / 100}},
        {"the swap returns at once from a slow frame", true, {p * 8 / 10, p * 8 / 10, p * 8 / 10},
         {0, p * 2 / 10, p * 2 / 10}},
        {"no swap interval: a frame of 0.6 periods", false, {p * 6 / 10, p * 6 / 10}, {p * 4 / 10, p * 4 / 10}},
        {"no swap interval: an empty frame", false, {0, 0}, {p, p}},
        {"a slow frame is followed at once, then the count starts anew", false,
         {p / 10, 3 * p, p / 10, p / 10}, {p - p / 10, 0, p - p / 10, p - p / 10}},
        {"the swap waits from the second frame", true, {p / 100, p, p}, {0, 0, 0}},
        {"the swap stops waiting", true, {p, p / 100, p / 100}, {0, p - p / 100, p - p / 100}},
    };
    for (const Case& c : cases) {
        PacedLoop loop(60, c.swapIntervalSet);
        std::vector<std::int64_t> waits;
        for (std::int64_t frame : c.frames)
            waits.push_back(loop.Frame(frame));
        EXPECT_EQ(waits, c.waits) << c.what;
    }
}

TEST(FramePacer, PeriodFollowsTheDisplayAndIs60HzWhenUnknown)
{
    struct Case {
        int refreshRate;
        std::int64_t period;
    };
    const Case cases[] = {{60, kFrequency / 60}, {144, kFrequency / 144}, {0, kFrequency / 60}, {-5, kFrequency / 60}};
    for (const Case& c : cases) {
        PacedLoop loop(c.refreshRate, false);
        EXPECT_EQ(loop.pacer.Period(), c.period) << c.refreshRate;
        EXPECT_EQ(loop.Frame(0), c.period) << c.refreshRate;
    }
    FramePacer pacer(kFrequency, 60, false);
    pacer.SetRefreshRate(75);
    EXPECT_EQ(pacer.Period(), kFrequency / 75);
}

TEST(FramePacer, EventsHandledWhileWaitingKeepTheDeadline)
{
    const std::int64_t p = kPeriod60;
    FramePacer pacer(kFrequency, 60, false);
    EXPECT_EQ(pacer.TicksToWait(0), 0) << "the first frame starts at once";
    pacer.FrameDone(0, p / 10);
    // Events come in while the loop waits: the frame stays due at one period.
    EXPECT_EQ(pacer.TicksToWait(p / 10), p - p / 10);
    EXPECT_EQ(pacer.TicksToWait(p / 2), p / 2);
    EXPECT_EQ(pacer.TicksToWait(p), 0);
    // The frame starts a little late after an event; the next is due a period
    // after the first was, not after the late start.
    pacer.FrameDone(p + p / 4, p + p / 3);
    EXPECT_EQ(pacer.TicksToWait(p + p / 3), p - p / 3);
    // A frame that starts more than a period late (the loop waited long for
    // events) counts from its own start.
    pacer.FrameDone(10 * p, 10 * p + p / 10);
    EXPECT_EQ(pacer.TicksToWait(10 * p + p / 10), p - p / 10);
}

namespace {

// How a driver makes a frame end: from its start and its number, the tick at
// which its swap returns.
using Driver = std::int64_t (*)(std::int64_t start, int frame);

// A frame's own work: between 0.55 and 0.97 of a 60 Hz period, varying as
// a loaded software renderer does.
std::int64_t Work(int frame)
{
    return kPeriod60 * (55 + (frame * 37) % 43) / 100;
}

// The swap returns at once, however long the frame took.
std::int64_t SwapNeverWaits(std::int64_t start, int frame)
{
    return start + Work(frame);
}

// The swap waits for the next vertical blank of a 59.94 Hz display (which
// states itself as 60 Hz).
std::int64_t SwapWaitsForBlank(std::int64_t start, int frame)
{
    const std::int64_t blank = kFrequency * 1000 / 59940;
    const std::int64_t done = start + Work(frame);
    return (done / blank + 1) * blank;
}

// The swap waits for the display for 30 seconds, then (the window moved to
// a display where it does not) returns at once.
std::int64_t SwapStopsWaiting(std::int64_t start, int frame)
{
    return start < 30 * kFrequency ? SwapWaitsForBlank(start, frame) : SwapNeverWaits(start, frame);
}

// The other way round: at first the swap returns at once, from 30 seconds on it waits.
std::int64_t SwapStartsWaiting(std::int64_t start, int frame)
{
    return start < 30 * kFrequency ? SwapNeverWaits(start, frame) : SwapWaitsForBlank(start, frame);
}

struct RunResult {
    // Frames started in each whole second of the run.
    std::vector<int> framesPerSecond;
    // Ticks the loop slept in each second.
    std::vector<std::int64_t> sleptPerSecond;
};

RunResult RunLoop(Driver driver, int seconds)
{
    FramePacer pacer(kFrequency, 60, true);
    RunResult result;
    result.framesPerSecond.assign(seconds, 0);
    result.sleptPerSecond.assign(seconds, 0);
    std::int64_t now = 0;
    for (int frame = 0; now < seconds * kFrequency; ++frame) {
        const int second = static_cast<int>(now / kFrequency);
        ++result.framesPerSecond[second];
        const std::int64_t start = now;
        now = driver(start, frame);
        pacer.FrameDone(start, now);
        const std::int64_t wait = pacer.TicksToWait(now);
        if (now / kFrequency < seconds)
            result.sleptPerSecond[now / kFrequency] += wait;
        now += wait;
    }
    return result;
}

} // namespace

// One-second windows hold the display's rate whatever the swap does; where
// the swap waits, the loop adds no sleep of its own (apart from the seconds
// after the swap changed, while the loop finds out).
TEST(FramePacer, HoldsTheRefreshRateUnderEveryDriver)
{
    struct Case {
        const char* what;
        Driver driver;
        // Seconds from which the loop must not sleep / must sleep.
        int noSleepFrom, noSleepTo;
    };
    const Case cases[] = {
        {"the swap never waits, frames of 0.55-0.97 periods", SwapNeverWaits, 0, 0},
        {"the swap waits for a 59.94 Hz display", SwapWaitsForBlank, 0, 60},
        {"the swap stops waiting", SwapStopsWaiting, 0, 30},
        {"the swap starts waiting", SwapStartsWaiting, 31, 60},
    };
    const int seconds = 60;
    for (const Case& c : cases) {
        const RunResult run = RunLoop(c.driver, seconds);
        for (int s = 1; s < seconds - 1; ++s) {
            EXPECT_GE(run.framesPerSecond[s], 59) << c.what << ", second " << s;
            EXPECT_LE(run.framesPerSecond[s], 61) << c.what << ", second " << s;
            if (s >= c.noSleepFrom && s < c.noSleepTo) {
                EXPECT_EQ(run.sleptPerSecond[s], 0) << c.what << ", second " << s;
            }
        }
    }
}
