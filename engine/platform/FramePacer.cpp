#include "engine/platform/FramePacer.h"

#include <algorithm>

namespace {
const int kUnknownRefreshRate = 60;
} // namespace

FramePacer::FramePacer(std::int64_t frequency, int refreshRate, bool swapIntervalSet)
    : _frequency(std::max<std::int64_t>(frequency, 1))
    , _swapIntervalSet(swapIntervalSet)
{
    SetRefreshRate(refreshRate);
}

void FramePacer::SetRefreshRate(int refreshRate)
{
    const int rate = refreshRate > 0 ? refreshRate : kUnknownRefreshRate;
    _period = std::max<std::int64_t>(_frequency / rate, 1);
}

void FramePacer::FrameDone(std::int64_t start, std::int64_t end)
{
    // A swap that waits for the display makes the frame last about a period;
    // one that returns at once leaves it far shorter.
    const bool swapWaits = _swapIntervalSet && end - start >= _period / 2;
    if (swapWaits) {
        _paced = false;
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
    if (!_paced || now >= _next)
        return 0;
    return std::min(_next - now, _period);
}
