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
        {"the swap returns at once", true, {p / 100, p / 100, p / 100}, {p - p / 100, p - p / 100, p - p / 100}},
        {"no swap interval: a frame of 0.6 periods", false, {p * 6 / 10, p * 6 / 10}, {p * 4 / 10, p * 4 / 10}},
        {"no swap interval: an empty frame", false, {0, 0}, {p, p}},
        {"a slow frame is followed at once, then the count starts anew", false,
         {p / 10, 3 * p, p / 10, p / 10}, {p - p / 10, 0, p - p / 10, p - p / 10}},
        {"the swap starts waiting", true, {p / 100, p, p}, {p - p / 100, 0, 0}},
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
