#pragma once

// Decides when the main loop starts its next frame. Where the swap waits for
// the display, frames follow the display and nothing is added. Where it does
// not (the swap interval could not be set, or a frame with its swap takes far
// less than a refresh period: software GL, a virtual X server, the offscreen
// driver), the next frame starts one refresh period after the last one, and
// the loop waits until then. A frame that overran its period is followed at
// once and the count starts again from there: late frames are never made up
// with a burst. Times are ticks of the loop's counter.

#include <cstdint>

class FramePacer {
public:
    // frequency: counter ticks per second; refreshRate: the display's rate in
    // Hz, 0 or less when unknown (60 Hz is taken then).
    FramePacer(std::int64_t frequency, int refreshRate, bool swapIntervalSet);

    void SetRefreshRate(int refreshRate);
    // One refresh period in ticks.
    std::int64_t Period() const { return _period; }

    // A frame ran from start to end, its swap included.
    void FrameDone(std::int64_t start, std::int64_t end);
    // How long the loop waits at now before it starts the next frame; 0: at once.
    std::int64_t TicksToWait(std::int64_t now) const;

private:
    std::int64_t _frequency;
    std::int64_t _period = 1;
    bool _swapIntervalSet;
    bool _paced = false;
    // When the next frame is due (while _paced).
    std::int64_t _next = 0;
};
