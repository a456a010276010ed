#pragma once

// The synthesiser's voices. Each returns a buffer holding one note from
// its start to the end of its ring.

#include "tools/soundgen/SampleBuffer.h"

#include <cstdint>

// A plucked string (Karplus-Strong): `brightness` 0 to 1 shapes the pluck,
// `sustain` 0 to 1 how long it rings.
SampleBuffer Pluck(int rate, double frequency, double seconds, float brightness, float sustain, std::uint32_t seed);
// A two-operator FM tone with an exponential decay; ratio and index set the
// timbre (bell-like for non-integer ratios).
SampleBuffer FmTone(int rate, double frequency, double seconds, double ratio, double index, double decay);
// A frame drum stroke: the deep centre "dum" or the sharp rim "tek".
enum class DrumStroke { Dum, Tek };
SampleBuffer FrameDrum(int rate, DrumStroke stroke, std::uint32_t seed);
// A band of noise around the centre frequency with a fast attack and decay.
SampleBuffer NoiseBurst(int rate, double seconds, double centre, std::uint32_t seed);
// A held reed-like drone on the frequency with its fifth, slowly breathing.
SampleBuffer Drone(int rate, double frequency, double seconds);
