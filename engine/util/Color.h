#pragma once

// A colour as four bytes: red, green, blue, alpha. The render device takes it
// packed as A8R8G8B8 (alpha in the top byte).

#include <cstdint>

struct Color {
    std::uint8_t r = 255;
    std::uint8_t g = 255;
    std::uint8_t b = 255;
    std::uint8_t a = 255;

    Color() = default;
    Color(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t alpha = 255)
        : r(red), g(green), b(blue), a(alpha)
    {
    }
    // White with the given alpha.
    explicit Color(std::uint8_t alpha) : a(alpha) {}

    std::uint32_t ToArgb() const
    {
        return (std::uint32_t(a) << 24) | (std::uint32_t(r) << 16) | (std::uint32_t(g) << 8) | std::uint32_t(b);
    }

    bool operator==(const Color& o) const { return r == o.r && g == o.g && b == o.b && a == o.a; }
    bool operator!=(const Color& o) const { return !(*this == o); }
};

// a + the integer part of (b - a) * t, kept in a byte.
std::uint8_t LerpByte(std::uint8_t a, std::uint8_t b, float t);
// LerpByte on each channel.
Color LerpColor(const Color& a, const Color& b, float t);
