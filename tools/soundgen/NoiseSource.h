#pragma once

// A small seeded generator for the synthesiser's noise and choices, so every
// build makes the same sounds.

#include <cstdint>

class NoiseSource {
public:
    explicit NoiseSource(std::uint32_t seed) : _state(seed * 2654435761u + 1u) {}

    // -1 to 1.
    float Next()
    {
        _state = _state * 1664525u + 1013904223u;
        return static_cast<float>(_state >> 8) / static_cast<float>(1u << 23) - 1.0f;
    }
    // 0 to count - 1.
    int Below(int count)
    {
        _state = _state * 1664525u + 1013904223u;
        return static_cast<int>((_state >> 8) % static_cast<std::uint32_t>(count));
    }

private:
    std::uint32_t _state;
};
