// The immediate quad operations of the render device. Corners: V0
// bottom-left, V1 bottom-right, V2 top-left, V3 top-right.
//
// A blended quad fills only the pixels where its texture can change the
// screen: it is cut down to the part of the texture that is not fully
// transparent (under additive blending, not black either), with texture
// coordinates to match, and a quad that shows only opaque texels is drawn
// without blending. Both leave every pixel as the whole quad would have.

#include "engine/render/RenderDevice.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <iterator>
#include <utility>

namespace {

constexpr int kAdditiveMode = 2;

bool Near(float a, float b, float tolerance)
{
    return std::fabs(a - b) <= tolerance;
}

bool NearWhole(float a)
{
    return Near(a, std::round(a), 1e-3f);
}

// The part [lo, hi] of the quad's side (0..1) over which a texture
// coordinate that starts at c0 and changes by d along the side stays within
// [from, to].
void SideWithin(float c0, float d, float from, float to, float& lo, float& hi)
{
    float a = (from - c0) / d;
    float b = (to - c0) / d;
    if (a > b)
        std::swap(a, b);
    lo = std::max(0.0f, a);
    hi = std::min(1.0f, b);
}

// The point at (s, t) of the quad, s along V0-V1, t along V0-V2.
Vertex Between(const Vertex (&c)[4], float s, float t, std::uint32_t color)
{
    auto mix = [s, t](float a, float b, float d, float e) {
        return (1.0f - t) * ((1.0f - s) * a + s * b) + t * ((1.0f - s) * d + s * e);
    };
    return Vertex{mix(c[0].x, c[1].x, c[2].x, c[3].x), mix(c[0].y, c[1].y, c[2].y, c[3].y),
                  mix(c[0].z, c[1].z, c[2].z, c[3].z), color,
                  mix(c[0].u, c[1].u, c[2].u, c[3].u),  mix(c[0].v, c[1].v, c[2].v, c[3].v)};
}

} // namespace

RenderDevice::Trim RenderDevice::TrimQuad(Vertex (&c)[4], const TexelRect& rect) const
{
    // A parallelogram whose texture runs along its sides, within one copy
    // of the texture: anything else is drawn whole.
    const float posTolerance = 1e-3f, uvTolerance = 1e-6f;
    for (float Vertex::*p : {&Vertex::x, &Vertex::y, &Vertex::z})
        if (!Near(c[3].*p, c[1].*p + c[2].*p - c[0].*p, posTolerance))
            return Trim::Whole;
    for (float Vertex::*p : {&Vertex::u, &Vertex::v}) {
        if (!Near(c[3].*p, c[1].*p + c[2].*p - c[0].*p, uvTolerance))
            return Trim::Whole;
        for (const Vertex& corner : c)
            if (corner.*p < -uvTolerance || corner.*p > 1.0f + uvTolerance)
                return Trim::Whole;
    }
    const float du_s = c[1].u - c[0].u, dv_s = c[1].v - c[0].v;
    const float du_t = c[2].u - c[0].u, dv_t = c[2].v - c[0].v;
    const TextureCoverage& coverage = bound.coverage;
    const float u0 = static_cast<float>(rect.x0) / static_cast<float>(coverage.width);
    const float u1 = static_cast<float>(rect.x1) / static_cast<float>(coverage.width);
    const float v0 = static_cast<float>(rect.y0) / static_cast<float>(coverage.height);
    const float v1 = static_cast<float>(rect.y1) / static_cast<float>(coverage.height);
    float sLo = 0.0f, sHi = 1.0f, tLo = 0.0f, tHi = 1.0f;
    if (dv_s == 0.0f && du_t == 0.0f && du_s != 0.0f && dv_t != 0.0f) {
        SideWithin(c[0].u, du_s, u0, u1, sLo, sHi);
        SideWithin(c[0].v, dv_t, v0, v1, tLo, tHi);
    } else if (du_s == 0.0f && dv_t == 0.0f && dv_s != 0.0f && du_t != 0.0f) {
        SideWithin(c[0].v, dv_s, v0, v1, sLo, sHi);
        SideWithin(c[0].u, du_t, u0, u1, tLo, tHi);
    } else {
        return Trim::Whole;
    }
    if (sLo >= sHi || tLo >= tHi)
        return Trim::Nothing;
    if (sLo == 0.0f && sHi == 1.0f && tLo == 0.0f && tHi == 1.0f)
        return Trim::Trimmed;
    const std::uint32_t colour = c[0].diffuse;
    const Vertex trimmed[4] = {Between(c, sLo, tLo, colour), Between(c, sHi, tLo, colour),
                               Between(c, sLo, tHi, colour), Between(c, sHi, tHi, colour)};
    std::copy(std::begin(trimmed), std::end(trimmed), std::begin(c));
    return Trim::Trimmed;
}

bool RenderDevice::TexelsOnPixels(const Vertex (&c)[4]) const
{
    // The 2D view of the whole screen, moved by whole pixels at most.
    const float* w = world.Data();
    if (w[0] != 1.0f || w[1] != 0.0f || w[4] != 0.0f || w[5] != 1.0f || !(view == Matrix4()) ||
        !(projection == Matrix4::OrthoLH(800.0f, 600.0f, -100.0f, 100.0f)) || viewport[0] != 0 ||
        viewport[1] != 0 || viewport[2] != 800 || viewport[3] != 600)
        return false;
    // One texel a pixel, upright, each pixel's centre on a texel's centre.
    const float width = static_cast<float>(bound.coverage.width);
    const float height = static_cast<float>(bound.coverage.height);
    return c[1].v == c[0].v && c[2].u == c[0].u && c[1].y == c[0].y && c[2].x == c[0].x &&
           Near(c[1].x - c[0].x, (c[1].u - c[0].u) * width, 1e-3f) &&
           Near(c[2].y - c[0].y, (c[2].v - c[0].v) * height, 1e-3f) &&
           NearWhole(c[0].u * width - (c[0].x + w[12] + 400.5f)) &&
           NearWhole(c[0].v * height - (c[0].y + w[13] + 300.5f));
}

void RenderDevice::DrawBlendedQuad(const Vertex (&corners)[4])
{
    if (!fillSaving || !blendOn) {
        gl.DrawQuad(corners);
        return;
    }
    const std::uint32_t argb = corners[0].diffuse;
    const bool additive = blendMode == kAdditiveMode;
    // Both blend modes weigh the source by its alpha; additive blending of
    // black adds nothing (unless fog colours it).
    if ((argb >> 24) == 0 || (additive && (argb & 0xFFFFFFu) == 0 && !fogOn))
        return;
    const TextureCoverage& coverage = bound.coverage;
    if (!textureOn || !coverage.measured) {
        gl.DrawQuad(corners);
        return;
    }
    TexelRect rect = additive && !bound.alphaOnly && !fogOn ? coverage.lit : coverage.shown;
    if (rect.Empty())
        return;
    // Opaque texels under an opaque colour replace what is under them.
    const bool opaqueColour = !additive && (argb >> 24) == 255;
    if (opaqueColour && coverage.opaque) {
        DrawUnblended(corners);
        return;
    }
    if (!(texture == Matrix4())) {
        gl.DrawQuad(corners);
        return;
    }
    // A quad is cut only where each pixel samples just what it sampled
    // whole: where texels lie on pixels one to one. Elsewhere the cut quad's
    // coordinates, rounded otherwise, may move a pixel's centre over the
    // border of two texels (to the other texel, or to other weights).
    if (!TexelsOnPixels(corners)) {
        gl.DrawQuad(corners);
        return;
    }
    // Texels opaque only inside the shown rectangle: the quad cut exactly
    // to it samples none of the others.
    const bool opaqueInside = opaqueColour && coverage.opaqueShown && !bound.linear;
    if (!opaqueInside) {
        // A texel beyond the rectangle may still be sampled by filtering or
        // wrapping: a margin of one texel, and with linear filtering a
        // wrapped texture keeps a side that touches the opposite edge.
        rect = TexelRect{std::max(0, rect.x0 - 1), std::max(0, rect.y0 - 1), std::min(coverage.width, rect.x1 + 1),
                         std::min(coverage.height, rect.y1 + 1)};
        if (bound.address == backend::TextureAddress::Wrap && bound.linear) {
            if (rect.x0 == 0 || rect.x1 == coverage.width)
                rect.x0 = 0, rect.x1 = coverage.width;
            if (rect.y0 == 0 || rect.y1 == coverage.height)
                rect.y0 = 0, rect.y1 = coverage.height;
        }
    }
    Vertex c[4];
    std::copy(std::begin(corners), std::end(corners), std::begin(c));
    switch (TrimQuad(c, rect)) {
    case Trim::Nothing:
        return;
    case Trim::Trimmed:
        if (opaqueInside)
            DrawUnblended(c);
        else
            gl.DrawQuad(c);
        return;
    case Trim::Whole:
        gl.DrawQuad(c);
        return;
    }
}

void RenderDevice::DrawUnblended(const Vertex (&corners)[4])
{
    gl.EnableBlend(false);
    gl.DrawQuad(corners);
    gl.EnableBlend(true);
}

void RenderDevice::DrawCorners(float x0, float y0, float x1, float y1, const float uv[8])
{
    const Vertex corners[4] = {
        {x0, y0, 0.0f, color, uv[0], uv[1]},
        {x1, y0, 0.0f, color, uv[2], uv[3]},
        {x0, y1, 0.0f, color, uv[4], uv[5]},
        {x1, y1, 0.0f, color, uv[6], uv[7]},
    };
    DrawBlendedQuad(corners);
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
    DrawBlendedQuad(corners);
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
