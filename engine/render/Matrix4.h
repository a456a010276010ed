#pragma once

// A 4 x 4 float matrix for row vectors (v' = v x M), row-major in memory:
// m[row][col], the translation in the fourth row. Products and the
// projection builders give the same numbers as the classic fixed-function
// math library the drawing code was written against.

#include "engine/util/Vector3.h"

struct Matrix4 {
    float m[4][4];

    // The identity.
    Matrix4();

    const float* Data() const { return &m[0][0]; }

    static Matrix4 Translation(float x, float y, float z);
    static Matrix4 Scaling(float x, float y, float z);
    // Rotation by angle radians about the axis (normalised here).
    static Matrix4 RotationAxis(const Vector3& axis, float angle);
    // Left-handed orthographic projection of a w x h view, z from zNear to zFar onto 0..1.
    static Matrix4 OrthoLH(float w, float h, float zNear, float zFar);
    // Right-handed off-centre perspective projection, the matrix that the
    // old device's D3DXMatrixPerspectiveOffCenterRH built; the render device
    // sets it as its projection through SetPerspectiveOffCenter.
    static Matrix4 PerspectiveOffCenterRH(float left, float right, float bottom, float top, float zNear,
                                          float zFar);

    bool operator==(const Matrix4& o) const;
};

// a x b: with row vectors, a acts first.
Matrix4 operator*(const Matrix4& a, const Matrix4& b);

// (x, y, z, 1) x M, divided by w.
Vector3 TransformCoord(const Vector3& v, const Matrix4& m);
