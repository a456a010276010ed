#include "tools/soundgen/MusicComposer.h"

#include "tools/soundgen/Instruments.h"
#include "tools/soundgen/NoiseSource.h"

#include <algorithm>
#include <cmath>

namespace {

// Rhythms of one bar in eighths: 'x' starts a note.
const char* const kRhythms[] = {"x.x.x.x.", "x..xx.x.", "x.xxx...", "x...x.xx", "xx.x.x..", "x..x..x."};

double Frequency(const Tune& tune, int degree, int octaveShift)
{
    const int size = static_cast<int>(tune.mode.size());
    const int octave = (degree >= 0 ? degree / size : (degree - size + 1) / size) + octaveShift;
    const int step = degree - (octave - octaveShift) * size;
    return tune.root * std::pow(2.0, octave + tune.mode[static_cast<size_t>(step)] / 12.0);
}

} // namespace

SampleBuffer MusicComposer::Compose(const Tune& tune, double seconds) const
{
    const double beat = 60.0 / tune.tempo;
    const double eighth = beat / 2.0;
    const int bars = std::max(2, static_cast<int>(std::round(seconds / (beat * 4.0))) / 2 * 2);
    const double length = bars * beat * 4.0;
    SampleBuffer out(_rate, length);
    NoiseSource choose(tune.seed);

    out.Mix(Drone(_rate, tune.root / 2.0, length), 0.0, 0.16f);

    // Degrees count steps of the mode from the root; the tonic an octave up
    // is the mode's size, its fifth the step seven semitones up.
    const int size = static_cast<int>(tune.mode.size());
    int fifth = size / 2;
    for (int i = 0; i < size; ++i)
        if (tune.mode[static_cast<size_t>(i)] == 7)
            fifth = i;

    // The melody: a walk through the mode that comes to rest at the end of
    // each second bar, on the tonic at the end of the loop; the rhythm of
    // every second phrase answers the one before.
    int degree = size;
    const char* opening = kRhythms[0];
    for (int bar = 0; bar < bars; ++bar) {
        const char* rhythm = kRhythms[choose.Below(6)];
        if (bar % 4 == 0)
            opening = rhythm;
        else if (bar % 4 == 2)
            rhythm = opening;
        for (int step = 0; step < 8; ++step) {
            if (rhythm[step] != 'x')
                continue;
            const bool cadence = bar % 2 == 1 && step >= 6;
            if (cadence)
                degree = (bar == bars - 1) ? size : fifth + size * choose.Below(2);
            else {
                static const int kMoves[] = {-2, -1, -1, 1, 1, 2, 0, 3, -3};
                degree = std::clamp(degree + kMoves[choose.Below(9)], size - 4, 2 * size - 2);
            }
            const double at = (bar * 8 + step) * eighth;
            const float accent = step == 0 ? 1.0f : 0.75f + 0.1f * static_cast<float>(choose.Below(3));
            out.Mix(Pluck(_rate, Frequency(tune, degree, 0), 2.2, 0.75f, 0.6f, tune.seed + static_cast<std::uint32_t>(bar * 8 + step)),
                    at, 0.42f * accent);
        }
        // A low pluck on the root or fifth at the start of each bar.
        const int bass = (bar % 4 == 3) ? fifth : 0;
        out.Mix(Pluck(_rate, Frequency(tune, bass, -1), 3.0, 0.35f, 0.8f, tune.seed * 7u + static_cast<std::uint32_t>(bar)),
                bar * beat * 4.0, 0.35f);
        // The frame drum.
        for (int step = 0; step < 8 && step < static_cast<int>(tune.drum.size()); ++step) {
            const char stroke = tune.drum[static_cast<size_t>(step)];
            if (stroke == '.')
                continue;
            out.Mix(FrameDrum(_rate, stroke == 'D' ? DrumStroke::Dum : DrumStroke::Tek, tune.seed + static_cast<std::uint32_t>(step)),
                    (bar * 8 + step) * eighth, stroke == 'D' ? 0.5f : 0.28f);
        }
    }
    out.WrapTail(static_cast<size_t>(length * _rate + 0.5));
    out.Normalise(0.7f);
    return out;
}
