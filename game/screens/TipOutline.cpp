#include "game/screens/TipOutline.h"

#include <cmath>

namespace {

float Distance(const Point& a, const Point& b)
{
    const float dx = static_cast<float>(a.x - b.x);
    const float dy = static_cast<float>(a.y - b.y);
    return std::sqrt(dx * dx + dy * dy);
}

} // namespace

float TriangleArea(const Point& a, const Point& b, const Point& c)
{
    const float ab = Distance(a, b);
    const float bc = Distance(b, c);
    const float ca = Distance(c, a);
    const float s = (ab + bc + ca) * 0.5f;
    const float product = s * (s - ab) * (s - bc) * (s - ca);
    // A point on an edge makes a flat triangle whose product may round to a
    // little below 0.
    return product > 0.0f ? std::sqrt(product) : 0.0f;
}

bool IsInsideOutline(const std::vector<Point>& outline, const Point& p)
{
    const std::size_t n = outline.size();
    if (n < 3)
        return false;
    float around = 0.0f;
    for (std::size_t i = 0; i < n; ++i)
        around += TriangleArea(outline[i], outline[(i + 1) % n], p);
    float own = 0.0f;
    for (std::size_t i = 1; i + 1 < n; ++i)
        own += TriangleArea(outline[0], outline[i], outline[i + 1]);
    return std::fabs(around - own) < 5.0f;
}
