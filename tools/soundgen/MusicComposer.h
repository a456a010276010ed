#pragma once

// Short music loops in the old modes: a plucked lyre melody over a drone,
// a low pluck on each bar and a frame drum pattern, made from a seed so the
// same tune comes out every time. The loop's length is a whole number of
// bars and its tail wraps onto its start, so it repeats without a seam.

#include "tools/soundgen/SampleBuffer.h"

#include <cstdint>
#include <string>
#include <vector>

struct Tune {
    std::vector<int> mode;   // semitones of the scale above the root
    double root;             // Hz of the tonic; the drone sounds an octave below, the melody an octave above
    double tempo;            // beats per minute
    std::string drum;        // one bar of eighths: 'D' dum, 'T' tek, '.' rest
    std::uint32_t seed;
};

class MusicComposer {
public:
    explicit MusicComposer(int rate) : _rate(rate) {}

    // About `seconds` long, rounded to whole bars of four beats.
    SampleBuffer Compose(const Tune& tune, double seconds) const;

private:
    int _rate;
};
