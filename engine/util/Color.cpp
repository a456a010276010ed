#include "engine/util/Color.h"

std::uint8_t LerpByte(std::uint8_t a, std::uint8_t b, float t)
{
    const int delta = int(b) - int(a);
    return static_cast<std::uint8_t>(int(a) + static_cast<int>(static_cast<float>(delta) * t));
}

Color LerpColor(const Color& a, const Color& b, float t)
{
    return Color(LerpByte(a.r, b.r, t), LerpByte(a.g, b.g, t), LerpByte(a.b, b.b, t), LerpByte(a.a, b.a, t));
}
