#pragma once

// Decides when the main loop starts its next frame. A swap that waits for the
// display paces the frames by itself, and then nothing is added; but the swap
// is trusted only while it is seen to wait: run back to back, frames end no
// faster than one refresh period apart. Everywhere else (the swap interval
// could not be set, or the swap returns at once: software GL, a virtual X
// server, the offscreen driver, however slow the frame itself was) the next
// frame starts one refresh period after the last one, and the loop sleeps
// until then. A frame that overran its period is followed at once and the
// count starts again from there: late frames are never made up with a burst.
// Where the swap was not seen to wait, it is tried again after a while
// (10 s, doubling up to 160 s), in case the display started waiting.
// Times are ticks of the loop's counter.

#include <cstdint>

class FramePacer {
public:
    // frequency: counter ticks per second; refreshRate: the display's rate in
    // Hz, 0 or less when unknown (60 Hz is taken then).
    FramePacer(std::int64_t frequency, int refreshRate, bool swapIntervalSet);

    void SetRefreshRate(int refreshRate);
    // One refresh period in ticks.
    std::int64_t Period() const { return _period; }
    // Whether the swap is trusted to pace the frames now.
    bool TrustsSwap() const { return _trustingSwap; }

    // A frame ran from start to end, its swap included.
    void FrameDone(std::int64_t start, std::int64_t end);
    // How long the loop waits at now before it starts the next frame; 0: at once.
    std::int64_t TicksToWait(std::int64_t now) const;

private:
    void StopTrustingSwap(std::int64_t now);
    void StartTrustingSwap();

    std::int64_t _frequency;
    std::int64_t _period = 1;
    bool _swapIntervalSet;

    // Trusting the swap: frames run back to back and their spacing is watched.
    bool _trustingSwap = false;
    bool _haveLastEnd = false;
    std::int64_t _lastEnd = 0;
    int _windowFrames = 0;
    std::int64_t _windowTicks = 0;
    // Not trusting it: when the swap is tried again, and the wait after that.
    std::int64_t _tryAgainAt = 0;
    std::int64_t _tryAgainAfter = 0;

    // Sleeping to the deadline: whether one is set, and when the next frame is due.
    bool _paced = false;
    std::int64_t _next = 0;
};
