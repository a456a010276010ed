#include "game/screens/FlagCloth.h"

#include "engine/render/RenderDevice.h"

#include <cmath>

namespace {

const float kPi = 3.14159265f;

} // namespace

FlagClothEdges ComputeFlagCloth(float t, bool shadow)
{
    const float k = (std::sin(1.4f * t + 0.4f) * std::sin(t) + 3.0f) * kPi / 16.0f;
    const float a = std::sin(0.8f * t) + 3.0f;
    const float b = std::sin(1.1f * t + 0.3f) + 3.0f;
    FlagClothEdges edges;
    for (int j = 0; j <= kClothQuads; ++j) {
        const float jf = static_cast<float>(j);
        const float f = j < 3 ? jf / 3.0f : 1.0f;
        const float x = 14.0f + 3.0f * jf;
        const float s = f * std::sin(jf * k - 10.0f * t);
        const float swing = b * f * std::sin(jf * k - 7.0f * t);
        ClothEdge& edge = edges[static_cast<std::size_t>(j)];
        edge.u = x / 64.0f;
        edge.lower = Vector3(x + swing + 0.5f * f * std::sin(jf * (k + 2.0f) + 11.0f * t),
                             32.0f + s * a + 0.5f * f * std::sin(jf * (k + 2.0f) + 13.0f * t), 0.0f);
        edge.upper = Vector3(x + swing + 0.5f * f * std::sin(jf * (k + 2.0f) + 5.0f * t + 2.0f),
                             64.0f + s * a + 0.5f * f * std::sin(jf * (k + 2.0f) + 15.0f * t + 3.0f), 0.0f);
        if (shadow) {
            edge.colour = Color(128, 128, 128, 128);
        } else {
            const int c = 192 - static_cast<int>(-63.0f * s);
            edge.colour = Color(static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(255 - c),
                                static_cast<std::uint8_t>(c), 255);
        }
    }
    return edges;
}

void DrawFlagCloth(const FlagClothEdges& edges, bool shadow)
{
    const float seam = shadow ? 0.0f : 0.25f;
    for (int i = 0; i < kClothQuads; ++i) {
        const ClothEdge& left = edges[static_cast<std::size_t>(i)];
        const ClothEdge& right = edges[static_cast<std::size_t>(i) + 1];
        const Vector3 lowerRight(right.lower.x + seam, right.lower.y, 0.0f);
        const Vector3 upperRight(right.upper.x + seam, right.upper.y, 0.0f);
        g_renderDevice.DrawQuadColored(left.lower, lowerRight, left.upper, upperRight, left.colour, right.colour,
                                       left.colour, right.colour, left.u, right.u, 0.5f, 1.0f);
    }
}
