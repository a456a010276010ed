#pragma once

// Three floats: a point or direction in space.

struct Vector3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;

    Vector3() = default;
    Vector3(float vx, float vy, float vz) : x(vx), y(vy), z(vz) {}

    float Length() const;
    // Multiplies by the reciprocal of the length.
    void Normalize();

    Vector3 operator-() const { return Vector3(-x, -y, -z); }
    Vector3 operator+(const Vector3& o) const { return Vector3(x + o.x, y + o.y, z + o.z); }
    Vector3 operator-(const Vector3& o) const { return Vector3(x - o.x, y - o.y, z - o.z); }
    Vector3 operator*(float s) const { return Vector3(x * s, y * s, z * s); }
    // Multiplication by the reciprocal.
    Vector3 operator/(float s) const { return *this * (1.0f / s); }
    Vector3& operator+=(const Vector3& o)
    {
        x += o.x;
        y += o.y;
        z += o.z;
        return *this;
    }
};

inline Vector3 operator*(float s, const Vector3& v)
{
    return v * s;
}

Vector3 Cross(const Vector3& a, const Vector3& b);

// v made unit length; a vector of no length (or not finite) gives fallback.
Vector3 UnitOr(const Vector3& v, const Vector3& fallback);
