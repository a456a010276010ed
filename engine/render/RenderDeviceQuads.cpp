// The immediate quad operations of the render device. Corners: V0
// bottom-left, V1 bottom-right, V2 top-left, V3 top-right.

#include "engine/render/RenderDevice.h"

#include <algorithm>
#include <utility>

void RenderDevice::DrawCorners(float x0, float y0, float x1, float y1, const float uv[8])
{
    const Vertex corners[4] = {
        {x0, y0, 0.0f, color, uv[0], uv[1]},
        {x1, y0, 0.0f, color, uv[2], uv[3]},
        {x0, y1, 0.0f, color, uv[4], uv[5]},
        {x1, y1, 0.0f, color, uv[6], uv[7]},
    };
    gl.DrawQuad(corners);
}

void RenderDevice::DrawRect(int x, int y, int w, int h)
{
    static const float uv[8] = {0, 0, 1, 0, 0, 1, 1, 1};
    DrawCorners(static_cast<float>(x), static_cast<float>(y), static_cast<float>(x + w), static_cast<float>(y + h),
                uv);
}

void RenderDevice::DrawRect(const Rect& r)
{
    DrawRect(r.x, r.y, r.w, r.h);
}

void RenderDevice::DrawRectUV(const Rect& r, float uLeft, float uRight, float vBottom, float vTop)
{
    const float uv[8] = {uLeft, vBottom, uRight, vBottom, uLeft, vTop, uRight, vTop};
    DrawCorners(static_cast<float>(r.x), static_cast<float>(r.y), static_cast<float>(r.x + r.w),
                static_cast<float>(r.y + r.h), uv);
}

void RenderDevice::DrawRectPartial(int x, int y, int w, int h, float uMax, float vMax)
{
    const float uv[8] = {0, 0, uMax, 0, 0, vMax, uMax, vMax};
    DrawCorners(static_cast<float>(x), static_cast<float>(y), static_cast<float>(x + w), static_cast<float>(y + h),
                uv);
}

void RenderDevice::DrawRectInset(float x, float y, float w, float h, float t)
{
    const float s = 1.0f - t;
    const float uv[8] = {t, t, s, t, t, s, s, s};
    DrawCorners(x, y, x + w, y + h, uv);
}

void RenderDevice::DrawRectOriented(const Rect& r, int orientation)
{
    DrawRectUVOriented(r, 0.0f, 1.0f, 0.0f, 1.0f, orientation);
}

namespace {

// The texture corner that lands on each screen corner (bottom-left,
// bottom-right, top-left, top-right) for the four quarter turns; odd turns
// swap the rectangle's width and height.
enum Corner { BL, BR, TL, TR };
const Corner kTurnedCorners[4][4] = {
    {BL, BR, TL, TR},
    {BR, TR, BL, TL},
    {TR, TL, BR, BL},
    {TL, BL, TR, BR},
};

} // namespace

void RenderDevice::DrawRectUVOriented(const Rect& r, float uL, float uR, float vB, float vT, int orientation)
{
    if (orientation < 0 || orientation > 3)
        return;
    const float corners[4][2] = {{uL, vB}, {uR, vB}, {uL, vT}, {uR, vT}};
    float uv[8];
    for (int i = 0; i < 4; ++i) {
        uv[2 * i] = corners[kTurnedCorners[orientation][i]][0];
        uv[2 * i + 1] = corners[kTurnedCorners[orientation][i]][1];
    }
    const bool turned = orientation % 2 == 1;
    const int w = turned ? r.h : r.w;
    const int h = turned ? r.w : r.h;
    DrawCorners(static_cast<float>(r.x), static_cast<float>(r.y), static_cast<float>(r.x + w),
                static_cast<float>(r.y + h), uv);
}

void RenderDevice::DrawQuadUV(const Vector3& p0, const Vector3& p1, const Vector3& p2, const Vector3& p3, float uL,
                              float uR, float vB, float vT)
{
    const Vertex corners[4] = {
        {p0.x, p0.y, p0.z, color, uL, vB},
        {p1.x, p1.y, p1.z, color, uR, vB},
        {p2.x, p2.y, p2.z, color, uL, vT},
        {p3.x, p3.y, p3.z, color, uR, vT},
    };
    gl.DrawQuad(corners);
}

void RenderDevice::DrawQuadColored(const Vector3& p0, const Vector3& p1, const Vector3& p2, const Vector3& p3,
                                   const Color& c0, const Color& c1, const Color& c2, const Color& c3, float uL,
                                   float uR, float vB, float vT)
{
    const Vertex corners[4] = {
        {p0.x, p0.y, p0.z, c0.ToArgb(), uL, vB},
        {p1.x, p1.y, p1.z, c1.ToArgb(), uR, vB},
        {p2.x, p2.y, p2.z, c2.ToArgb(), uL, vT},
        {p3.x, p3.y, p3.z, c3.ToArgb(), uR, vT},
    };
    gl.DrawQuad(corners);
}
