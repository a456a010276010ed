#include "tools/artgen/ValueNoise.h"

#include <cmath>

ValueNoise::ValueNoise(std::uint32_t seed, int period) : _seed(seed), _period(period) {}

float ValueNoise::Lattice(int x, int y, int period) const
{
    if (period > 0) {
        x = ((x % period) + period) % period;
        y = ((y % period) + period) % period;
    }
    std::uint32_t h = _seed * 0x9E3779B1u;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA77u;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE3Du;
    h *= 0x27D4EB2Fu;
    h ^= h >> 15;
    h *= 0x165667B1u;
    h ^= h >> 16;
    return static_cast<float>(h & 0xFFFFFF) / static_cast<float>(0xFFFFFF);
}

float ValueNoise::At(float x, float y, int period) const
{
    const float fx = std::floor(x), fy = std::floor(y);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    float tx = x - fx, ty = y - fy;
    tx = tx * tx * (3.0f - 2.0f * tx);
    ty = ty * ty * (3.0f - 2.0f * ty);
    const float a = Lattice(ix, iy, period), b = Lattice(ix + 1, iy, period);
    const float c = Lattice(ix, iy + 1, period), d = Lattice(ix + 1, iy + 1, period);
    const float top = a + (b - a) * tx, bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

float ValueNoise::At(float x, float y) const { return At(x, y, _period); }

float ValueNoise::Fractal(float x, float y, int octaves) const
{
    float sum = 0.0f, weight = 1.0f, total = 0.0f, scale = 1.0f;
    for (int i = 0; i < octaves; ++i) {
        sum += At(x * scale + static_cast<float>(i) * 17.0f, y * scale + static_cast<float>(i) * 31.0f,
                  _period > 0 ? _period * static_cast<int>(scale) : 0) *
               weight;
        total += weight;
        weight *= 0.5f;
        scale *= 2.0f;
    }
    return sum / total;
}
