#include "game/board/BoardMath.h"

#include <cmath>

namespace {
constexpr int kAtlasColumns = 6;
} // namespace

void AtlasCellUV(int index, float& u, float& v)
{
    u = static_cast<float>(index % kAtlasColumns) * kAtlasCell;
    v = 1.0f - static_cast<float>(index / kAtlasColumns + 1) * kAtlasCell;
}

Point RotateCell(int x, int y, int quarter)
{
    switch (quarter) {
    case 1:
        return Point(y, -1 - x);
    case 2:
        return Point(-1 - x, -1 - y);
    case 3:
        return Point(-1 - y, x);
    default:
        return Point(x, y);
    }
}

float Angle(float dx, float dy)
{
    if (dx == 0.0f)
        return dy > 0.0f ? 1.570795f : -1.570795f;
    const float angle = std::atan(dy / dx);
    return dx < 0.0f ? angle + 3.14159f : angle;
}

float Falloff(float x1, float y1, float x2, float y2, float r)
{
    const float dx = x2 - x1;
    const float dy = y2 - y1;
    const float d = std::sqrt(dx * dx + dy * dy);
    if (d >= r)
        return 0.0f;
    return std::cos(d / r * 1.570795f);
}
