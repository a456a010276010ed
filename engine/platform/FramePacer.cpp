#include "engine/platform/FramePacer.h"

#include <algorithm>

namespace {
const int kUnknownRefreshRate = 60;
// Frames judged together: their spacing on average must reach 98 % of a
// period (a display a little slower than its stated rate passes, a loop
// running a frame or more a second too fast does not).
const int kWindowFrames = 16;
// A single frame ending sooner than 90 % of a period after the one before
// shows a swap that did not wait.
const int kShortFramePercent = 90;
const int kWindowPercent = 98;
const int kFirstRetrySeconds = 10;
const int kLastRetrySeconds = 160;
} // namespace

FramePacer::FramePacer(std::int64_t frequency, int refreshRate, bool swapIntervalSet)
    : _frequency(std::max<std::int64_t>(frequency, 1))
    , _swapIntervalSet(swapIntervalSet)
    , _tryAgainAfter(_frequency * kFirstRetrySeconds)
{
    SetRefreshRate(refreshRate);
    if (_swapIntervalSet)
        StartTrustingSwap();
}

void FramePacer::SetRefreshRate(int refreshRate)
{
    const int rate = refreshRate > 0 ? refreshRate : kUnknownRefreshRate;
    _period = std::max<std::int64_t>(_frequency / rate, 1);
}

void FramePacer::StartTrustingSwap()
{
    _trustingSwap = true;
    _haveLastEnd = false;
    _windowFrames = 0;
    _windowTicks = 0;
    _paced = false;
}

void FramePacer::StopTrustingSwap(std::int64_t now)
{
    _trustingSwap = false;
    _tryAgainAt = now + _tryAgainAfter;
    _tryAgainAfter = std::min(_tryAgainAfter * 2, _frequency * kLastRetrySeconds);
}

void FramePacer::FrameDone(std::int64_t start, std::int64_t end)
{
    if (_trustingSwap) {
        // Only a frame that started right after the last one ended shows how
        // long the swap held the loop (not one after a pause or many events).
        const bool backToBack = _haveLastEnd && start - _lastEnd < _period / 4;
        const std::int64_t spacing = end - _lastEnd;
        _lastEnd = end;
        _haveLastEnd = true;
        if (!backToBack)
            return;
        if (spacing * 100 < _period * kShortFramePercent) {
            StopTrustingSwap(end);
        } else {
            // One long frame (loading) must not hide a run of short ones.
            _windowTicks += std::min(spacing, 2 * _period);
            if (++_windowFrames < kWindowFrames)
                return;
            const bool waits = _windowTicks * 100 >= _period * kWindowFrames * kWindowPercent;
            _windowFrames = 0;
            _windowTicks = 0;
            if (waits) {
                _tryAgainAfter = _frequency * kFirstRetrySeconds;
                return;
            }
            StopTrustingSwap(end);
        }
    } else if (_swapIntervalSet && end >= _tryAgainAt) {
        StartTrustingSwap();
        _lastEnd = end;
        _haveLastEnd = true;
        return;
    }
    // The frame was due at _next. One that started a whole period late (the
    // first, or after a long wait for events) counts from its own start.
    const std::int64_t due = _paced && start - _next < _period ? _next : start;
    _next = due + _period;
    // An overrun: the next frame follows at once and the count starts anew.
    if (_next < end)
        _next = end;
    _paced = true;
}

std::int64_t FramePacer::TicksToWait(std::int64_t now) const
{
    if (_trustingSwap || !_paced || now >= _next)
        return 0;
    return std::min(_next - now, _period);
}
