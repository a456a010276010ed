#include "engine/util/Vector3.h"

#include <cmath>

float Vector3::Length() const
{
    return std::sqrt(x * x + y * y + z * z);
}

void Vector3::Normalize()
{
    *this = *this * (1.0f / Length());
}

Vector3 Cross(const Vector3& a, const Vector3& b)
{
    return Vector3(a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x);
}

Vector3 UnitOr(const Vector3& v, const Vector3& fallback)
{
    const float length = v.Length();
    if (!(length > 0.0f) || !std::isfinite(length))
        return fallback;
    return v * (1.0f / length);
}
