#include "gui/widgets/Water.h"

#include "engine/platform/HtmlLog.h"
#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "gui/controllers/ControllerManager.h"
#include "gui/widgets/SolidRect.h"
#include "gui/widgets/WidgetServices.h"

namespace {

const int kBlendNormal = 1;
const int kBlendAdditive = 2;
const float kTiling = 3.6f;

} // namespace

Water::Water(const std::string& widgetName, const TiXmlElement* element)
    : Widget(widgetName, Rect(40, 0, 600, 600))
{
    fixed = true;
    ignoresMouse = true;
    ReadScreenRectElements(*this, element);
    picture = GetWidgetPicture("#MAP_WATER");
    if (picture)
        picture->linearFilter = true;
    else
        LogError("Water picture error", name + ": the picture \"#MAP_WATER\" is not registered; no water is drawn.");
    kernel.AddController(&phase);
}

Water::~Water() = default;

void Water::MouseDoubleClick(const Point&) {}

void DrawDriftingWater(const Sprite& picture, const Rect& area, float phase)
{
    g_renderDevice.SetBlendMode(kBlendAdditive);
    picture.Bind();
    g_renderDevice.SetMatrixMode(RenderDevice::kTexture);
    const float offsets[3][2] = {{phase, phase}, {phase + 0.3f, -phase}, {-phase, phase - 0.4f}};
    for (const auto& offset : offsets) {
        g_renderDevice.Translate(Vector3(offset[0], offset[1], 0.0f));
        g_renderDevice.ScaleUniform(kTiling);
        g_renderDevice.DrawRect(area);
        g_renderDevice.LoadIdentity();
    }
    g_renderDevice.SetMatrixMode(RenderDevice::kWorld);
    g_renderDevice.SetBlendMode(kBlendNormal);
}

void Water::Draw()
{
    if (!picture)
        return;
    g_renderDevice.SetColor(color);
    DrawDriftingWater(*picture, Rect(position.x, position.y, size.x, size.y), phase._phase);
    g_renderDevice.ResetColor();
}

void Water::Reset() {}
