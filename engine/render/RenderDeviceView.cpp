// The matrix stacks and 2D views of the render device.

#include "engine/render/RenderDevice.h"

namespace {

constexpr float kDegreesToRadians = 0.0174532924f;

} // namespace

std::vector<Matrix4>* RenderDevice::StackOf(int mode)
{
    switch (mode) {
    case kWorld:
        return &worldStack;
    case kProjection:
        return &projectionStack;
    case kTexture:
        return &textureStack;
    default:
        return nullptr;
    }
}

const Matrix4& RenderDevice::GetTransform(int mode) const
{
    switch (mode) {
    case kWorld:
        return world;
    case kProjection:
        return projection;
    case kTexture:
        return texture;
    default:
        return view;
    }
}

void RenderDevice::SetTransformState(int mode, const Matrix4& m)
{
    switch (mode) {
    case kWorld:
        world = m;
        gl.SetTransform(backend::TransformKind::World, world.Data());
        break;
    case kProjection:
        projection = m;
        gl.SetTransform(backend::TransformKind::Projection, projection.Data());
        break;
    case kTexture:
        texture = m;
        gl.SetTransform(backend::TransformKind::Texture, texture.Data());
        break;
    default:
        break;
    }
}

void RenderDevice::MultiplyTransform(int mode, const Matrix4& m)
{
    if (mode == kWorld || mode == kProjection || mode == kTexture)
        SetTransformState(mode, m * GetTransform(mode));
}

void RenderDevice::SetMatrixMode(int mode)
{
    matrixMode = mode;
    if (std::vector<Matrix4>* stack = StackOf(mode))
        currentStack = stack;
}

void RenderDevice::PushMatrix()
{
    if (StackOf(matrixMode))
        currentStack->push_back(GetTransform(matrixMode));
}

void RenderDevice::PopMatrix()
{
    if (currentStack->empty() || !StackOf(matrixMode))
        return;
    SetTransformState(matrixMode, currentStack->back());
    currentStack->pop_back();
}

void RenderDevice::LoadIdentity()
{
    SetTransformState(matrixMode, Matrix4());
}

void RenderDevice::Translate(const Vector3& t)
{
    if (matrixMode == kTexture) {
        // Replaces the texture matrix: u' = u + x, v' = v + y.
        Matrix4 m;
        m.m[2][0] = t.x;
        m.m[2][1] = t.y;
        SetTransformState(kTexture, m);
        return;
    }
    MultiplyTransform(matrixMode, Matrix4::Translation(t.x, t.y, t.z));
}

void RenderDevice::Rotate(const Vector3& axis, float degrees)
{
    MultiplyTransform(matrixMode, Matrix4::RotationAxis(axis, degrees * kDegreesToRadians));
}

void RenderDevice::ScaleUniform(float s)
{
    if (matrixMode == kTexture) {
        // Scales u and v, keeps the translation unscaled.
        Matrix4 m;
        m.m[0][0] = m.m[1][1] = m.m[2][2] = m.m[3][3] = s;
        m.m[2][0] = texture.m[2][0];
        m.m[2][1] = texture.m[2][1];
        SetTransformState(kTexture, m);
        return;
    }
    MultiplyTransform(matrixMode, Matrix4::Scaling(s, s, s));
}

void RenderDevice::Scale(float x, float y, float z)
{
    MultiplyTransform(matrixMode, Matrix4::Scaling(x, y, z));
}

void RenderDevice::Begin2D()
{
    SetMatrixMode(kProjection);
    PushMatrix();
    SetMatrixMode(kWorld);
    PushMatrix();
    projection = Matrix4::OrthoLH(800.0f, 600.0f, -100.0f, 100.0f);
    world = Matrix4::Translation(-400.5f, -300.5f, 0.0f);
    view = Matrix4();
    gl.SetTransform(backend::TransformKind::Projection, projection.Data());
    gl.SetTransform(backend::TransformKind::World, world.Data());
    gl.SetTransform(backend::TransformKind::View, view.Data());
}

void RenderDevice::End2D()
{
    PopMatrix();
    SetMatrixMode(kProjection);
    PopMatrix();
    SetMatrixMode(kWorld);
}

void RenderDevice::SetCamera2D(float w, float h)
{
    projection = Matrix4::OrthoLH(w, h, -100.0f, 100.0f);
    world = Matrix4::Translation(-(w + 1.0f) * 0.5f, -(h + 1.0f) * 0.5f, 0.0f);
    view = Matrix4();
    gl.SetTransform(backend::TransformKind::Projection, projection.Data());
    gl.SetTransform(backend::TransformKind::World, world.Data());
    gl.SetTransform(backend::TransformKind::View, view.Data());
}

void RenderDevice::BeginViewport2D(int x, int y, int w, int h)
{
    viewport[0] = x;
    viewport[1] = y;
    viewport[2] = w;
    viewport[3] = h;
    gl.SetViewport(x, y, w, h, 0.0f, 1.0f);
    SetMatrixMode(kProjection);
    PushMatrix();
    SetMatrixMode(kWorld);
    PushMatrix();
    SetCamera2D(static_cast<float>(w), static_cast<float>(h));
}

void RenderDevice::SetFullViewport()
{
    viewport[0] = 0;
    viewport[1] = 0;
    viewport[2] = 800;
    viewport[3] = 600;
    gl.SetViewport(0, 0, 800, 600, 0.0f, 1.0f);
}

void RenderDevice::ClipTo(const Rect& r)
{
    gl.SetClip(r.x, 600 - r.y - r.h, r.w, r.h);
}

void RenderDevice::ClipOff()
{
    gl.SetClip(0, 0, 0, 0);
}

void RenderDevice::SetPerspectiveOffCenter(float left, float right, float bottom, float top, float zNear,
                                           float zFar)
{
    SetTransformState(kProjection, Matrix4::PerspectiveOffCenterRH(left, right, bottom, top, zNear, zFar));
}
