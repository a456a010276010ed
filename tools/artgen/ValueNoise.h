#pragma once

// Smooth value noise from a seed: the same seed always gives the same
// picture. With a period the noise repeats every `period` units in x and y,
// so textures made from it tile.

#include <cstdint>

class ValueNoise {
public:
    explicit ValueNoise(std::uint32_t seed, int period = 0);

    // 0 to 1, smooth between the integer lattice points.
    float At(float x, float y) const;
    // Octaves of the noise added with halving weights (frequency doubling),
    // normalised to 0 to 1.
    float Fractal(float x, float y, int octaves) const;

private:
    float Lattice(int x, int y, int period) const;
    float At(float x, float y, int period) const;

    std::uint32_t _seed;
    int _period;
};
