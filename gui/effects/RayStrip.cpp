#include "gui/effects/RayStrip.h"

#include "engine/render/RenderDevice.h"

#include <cmath>

void RayStrip::AddPoint(float x, float y, float width)
{
    _curveX.addKey(x);
    _curveY.addKey(y);
    _curveWidth.addKey(width);
}

void RayStrip::Build(int n)
{
    if (n < 0)
        n = 0;
    _curveX.CalculateGradient(false);
    _curveY.CalculateGradient(false);
    _curveWidth.CalculateGradient(false);
    _mesh.vertices.clear();
    _mesh.vertices.reserve(static_cast<std::size_t>(2 * n + 2));
    _drawable = true;
    for (int i = 0; i <= n; ++i) {
        const float t = static_cast<float>(i) / static_cast<float>(n + 1);
        const float cx = _curveX.getGlobalFrame(t);
        const float cy = _curveY.getGlobalFrame(t);
        const float gx = _curveX.GradientAt(t);
        const float gy = _curveY.GradientAt(t);
        const float length = std::sqrt(gx * gx + gy * gy);
        float nx = 0.0f;
        float ny = 0.0f;
        if (length > 0.0f && std::isfinite(length)) {
            nx = gy / length;
            ny = -gx / length;
        } else {
            _drawable = false;
        }
        const float w = _curveWidth.getGlobalFrame(t);
        _mesh.vertices.push_back(Vertex{cx + w * nx, cy + w * ny, 0.0f, 0xFFFFFFFFu, t, 0.0f});
        _mesh.vertices.push_back(Vertex{cx - w * nx, cy - w * ny, 0.0f, 0xFFFFFFFFu, t, 1.0f});
    }
    _mesh.vertexCount = static_cast<std::uint32_t>(_mesh.vertices.size());
    _mesh.primitiveCount = static_cast<std::uint32_t>(2 * n);
    _segments = n;
    SetProgress(0.0f);
}

void RayStrip::SetProgress(float p)
{
    _progress = p;
    const float head = (2.0f * _fade + 1.0f) * p - _fade;
    const std::uint32_t rgb = _color.ToArgb() & 0x00FFFFFFu;
    for (int i = 0; i <= _segments; ++i) {
        const std::size_t at = static_cast<std::size_t>(2 * i);
        if (at + 1 >= _mesh.vertices.size())
            break;
        const float s = static_cast<float>(i) / static_cast<float>(_segments + 1);
        float alpha = 255.0f - std::fabs(s - head) / _fade * 255.0f;
        if (!(alpha > 0.0f) || i == _segments)
            alpha = 0.0f;
        const std::uint32_t argb = (static_cast<std::uint32_t>(alpha) << 24) | rgb;
        _mesh.vertices[at].diffuse = argb;
        _mesh.vertices[at + 1].diffuse = argb;
    }
}

void RayStrip::SetPairColor(const Color& color)
{
    _color = color;
    SetProgress(_progress);
}

RayHeadPoint RayStrip::GetHeadPoint() const
{
    const float a = (2.0f * _fade + 1.0f) * _progress;
    RayHeadPoint head;
    float t = a;
    if (a < 0.0f) {
        t = 0.0f;
    } else if (a > 1.0f) {
        t = 1.0f;
        head.past = 1.0f;
    }
    head.x = _curveX.getGlobalFrame(t);
    head.y = _curveY.getGlobalFrame(t);
    return head;
}

void RayStrip::Draw()
{
    if (!_drawable || _mesh.vertices.empty())
        return;
    g_renderDevice.SetMatrixMode(RenderDevice::kTexture);
    g_renderDevice.Translate(Vector3(-_scroll * _progress, 0.0f, 0.0f));
    g_renderDevice.Scale(_repeat, 1.0f, 1.0f);
    g_renderDevice.SetMatrixMode(RenderDevice::kWorld);
    g_renderDevice.DrawStripZTest(_mesh);
    g_renderDevice.SetMatrixMode(RenderDevice::kTexture);
    g_renderDevice.LoadIdentity();
    g_renderDevice.SetMatrixMode(RenderDevice::kWorld);
}
