#pragma once

// A colour as four bytes: red, green, blue, alpha, each 0 to 255.

#include <cstdint>

struct Color {
    std::uint8_t r = 255;
    std::uint8_t g = 255;
    std::uint8_t b = 255;
    std::uint8_t a = 255;

    Color() = default;
    Color(int red, int green, int blue, int alpha = 255)
        : r(static_cast<std::uint8_t>(red))
        , g(static_cast<std::uint8_t>(green))
        , b(static_cast<std::uint8_t>(blue))
        , a(static_cast<std::uint8_t>(alpha))
    {
    }
    // Opaque white with the given alpha.
    explicit Color(int alpha)
        : a(static_cast<std::uint8_t>(alpha))
    {
    }

    // A8R8G8B8: alpha in the top byte, then red, green, blue.
    std::uint32_t Packed() const
    {
        return (std::uint32_t(a) << 24) | (std::uint32_t(r) << 16) | (std::uint32_t(g) << 8) | std::uint32_t(b);
    }

    bool operator==(const Color& other) const
    {
        return r == other.r && g == other.g && b == other.b && a == other.a;
    }
    bool operator!=(const Color& other) const { return !(*this == other); }
};
