#include "engine/render/Matrix4.h"

#include <cmath>
#include <cstring>

Matrix4::Matrix4()
{
    std::memset(m, 0, sizeof m);
    m[0][0] = m[1][1] = m[2][2] = m[3][3] = 1.0f;
}

Matrix4 Matrix4::Translation(float x, float y, float z)
{
    Matrix4 r;
    r.m[3][0] = x;
    r.m[3][1] = y;
    r.m[3][2] = z;
    return r;
}

Matrix4 Matrix4::Scaling(float x, float y, float z)
{
    Matrix4 r;
    r.m[0][0] = x;
    r.m[1][1] = y;
    r.m[2][2] = z;
    return r;
}

Matrix4 Matrix4::RotationAxis(const Vector3& axis, float angle)
{
    Vector3 n = axis;
    n.Normalize();
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    const float t = 1.0f - c;
    Matrix4 r;
    r.m[0][0] = t * n.x * n.x + c;
    r.m[0][1] = t * n.x * n.y + s * n.z;
    r.m[0][2] = t * n.x * n.z - s * n.y;
    r.m[1][0] = t * n.x * n.y - s * n.z;
    r.m[1][1] = t * n.y * n.y + c;
    r.m[1][2] = t * n.y * n.z + s * n.x;
    r.m[2][0] = t * n.x * n.z + s * n.y;
    r.m[2][1] = t * n.y * n.z - s * n.x;
    r.m[2][2] = t * n.z * n.z + c;
    return r;
}

Matrix4 Matrix4::OrthoLH(float w, float h, float zNear, float zFar)
{
    Matrix4 r;
    r.m[0][0] = 2.0f / w;
    r.m[1][1] = 2.0f / h;
    r.m[2][2] = 1.0f / (zFar - zNear);
    r.m[3][2] = zNear / (zNear - zFar);
    return r;
}

Matrix4 Matrix4::PerspectiveOffCenterRH(float left, float right, float bottom, float top, float zNear, float zFar)
{
    Matrix4 r;
    std::memset(r.m, 0, sizeof r.m);
    r.m[0][0] = 2.0f * zNear / (right - left);
    r.m[1][1] = 2.0f * zNear / (top - bottom);
    r.m[2][0] = (left + right) / (right - left);
    r.m[2][1] = (top + bottom) / (top - bottom);
    r.m[2][2] = zFar / (zNear - zFar);
    r.m[2][3] = -1.0f;
    r.m[3][2] = zNear * zFar / (zNear - zFar);
    return r;
}

bool Matrix4::operator==(const Matrix4& o) const
{
    return std::memcmp(m, o.m, sizeof m) == 0;
}

Matrix4 operator*(const Matrix4& a, const Matrix4& b)
{
    Matrix4 r;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            r.m[i][j] = a.m[i][0] * b.m[0][j] + a.m[i][1] * b.m[1][j] + a.m[i][2] * b.m[2][j] + a.m[i][3] * b.m[3][j];
    return r;
}

Vector3 TransformCoord(const Vector3& v, const Matrix4& m)
{
    float out[4];
    for (int j = 0; j < 4; ++j)
        out[j] = v.x * m.m[0][j] + v.y * m.m[1][j] + v.z * m.m[2][j] + m.m[3][j];
    const float w = out[3] != 0.0f ? out[3] : 1.0f;
    return Vector3(out[0] / w, out[1] / w, out[2] / w);
}
