#include "gui/widgets/Tooltip.h"

#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "gui/widgets/WidgetServices.h"

#include <algorithm>
#include <cmath>

namespace {

const float kCell = 0.1875f;
const float kGrid = 0.5625f;

Sprite* LookUpOnce(Sprite*& kept, const char* id)
{
    if (!kept) {
        kept = GetWidgetPicture(id);
        if (kept)
            kept->linearFilter = true;
    }
    return kept;
}

void Quad(int x, int y, int w, int h, float uLeft, float uRight, float vBottom, float vTop)
{
    g_renderDevice.DrawRectUV(Rect(x, y, w, h), uLeft, uRight, vBottom, vTop);
}

} // namespace

void DrawTooltipFrame(int x, int y, int w, int h)
{
    Sprite* frame = LookUpOnce(g_tooltipFramePicture, "#ToolTip_Ramka");
    if (!frame)
        return;
    frame->Bind();
    const float c0 = 0.0f, c1 = kCell, c2 = 2.0f * kCell, c3 = kGrid;
    Quad(x, y, 12, 12, c0, c1, c0, c1);
    Quad(x + w - 12, y, 12, 12, c2, c3, c0, c1);
    Quad(x, y + h - 12, 12, 12, c0, c1, c2, c3);
    Quad(x + w - 12, y + h - 12, 12, 12, c2, c3, c2, c3);
    Quad(x + 12, y, w - 24, 12, c1, c2, c0, c1);
    Quad(x + 12, y + h - 12, w - 24, 12, c1, c2, c2, c3);
    Quad(x, y + 12, 12, h - 24, c0, c1, c1, c2);
    Quad(x + w - 12, y + 12, 12, h - 24, c2, c3, c1, c2);
    Quad(x + 12, y + 12, w - 24, h - 24, c1, c2, c1, c2);
    Quad(x, y, 32, 28, 0.0f, 0.5f, kGrid, 1.0f);
    Quad(x + w - 32, y + h - 28, 32, 28, 0.5f, 1.0f, kGrid, 1.0f);
}

Rect TooltipFrameAround(int cx, int cy, int w, int h, int textWidth)
{
    // A little air between the text and each ornament.
    constexpr int kAir = 6;
    const int width = std::max(w, textWidth + 2 * (kTooltipOrnamentWidth + kAir));
    return Rect(cx - width / 2, cy - h / 2, width, h);
}

void DrawTooltipArrow(const Point& p, float t, int angle)
{
    Sprite* arrow = LookUpOnce(g_tooltipArrowPicture, "#ToolTip_Strelka");
    if (!arrow)
        return;
    arrow->Bind();
    g_renderDevice.SetMatrixMode(RenderDevice::kWorld);
    g_renderDevice.PushMatrix();

    const float pi = 3.14159f;
    const float s = std::fabs(std::sin(pi * t + 0.39269876f)) * 0.1f;
    const float b = std::fabs(std::sin(pi * t)) * 8.0f;
    const Vector3 zAxis(0.0f, 0.0f, 1.0f);
    const float degrees = static_cast<float>(angle);
    const Rect quad(-32, -6, 64, 64);

    g_renderDevice.PushMatrix();
    g_renderDevice.Translate(Vector3(static_cast<float>(p.x + 5), static_cast<float>(p.y - 5), 0.0f));
    g_renderDevice.Rotate(zAxis, degrees);
    g_renderDevice.Translate(Vector3(0.0f, b, 0.0f));
    g_renderDevice.Scale(1.1f + s, 1.0f - 0.9f * s, 1.0f);
    g_renderDevice.DrawRectUV(quad, 0.5f, 1.0f, 0.0f, 1.0f);
    g_renderDevice.PopMatrix();

    g_renderDevice.Translate(Vector3(static_cast<float>(p.x), static_cast<float>(p.y), 0.0f));
    g_renderDevice.Rotate(zAxis, degrees);
    g_renderDevice.Translate(Vector3(0.0f, b, 0.0f));
    g_renderDevice.Scale(1.1f + s, 1.0f - 0.9f * s, 1.0f);
    g_renderDevice.DrawRectUV(quad, 0.0f, 0.5f, 0.0f, 1.0f);
    g_renderDevice.PopMatrix();
}
