#include "game/screens/SaverTooltip.h"

#include "engine/render/RenderDevice.h"
#include "game/screens/MenuIdleController.h"
#include "game/screens/MenuScene.h"
#include "game/state/GameInfo.h"
#include "gui/FontAccess.h"
#include "gui/WidgetFactory.h"
#include "gui/widgets/Tooltip.h"

#include <algorithm>

SaverTooltip::SaverTooltip(const std::string& widgetName, const TiXmlElement*)
    : SaverTooltip(widgetName, g_menuScene, g_menuIdleController)
{
}

SaverTooltip::SaverTooltip(const std::string& widgetName, const MenuScene& scene, const MenuIdleController& controller)
    : Widget(widgetName), _scene(scene), _controller(controller)
{
}

void SaverTooltip::Look(const MenuIdleController& controller, float T, int& alpha, float& scale)
{
    alpha = 255;
    scale = 1.0f;
    if (T < 1.5f) {
        alpha = static_cast<int>(510.0f * (T - 1.0f));
        scale = controller.tip.scale.getGlobalFrame(2.0f * (T - 1.0f));
    } else if (T >= 10.5f) {
        alpha = 255 - static_cast<int>(510.0f * (T - 10.5f));
        scale = controller.tip.scale.getGlobalFrame(1.0f - 2.0f * (T - 10.5f));
    }
    alpha = std::clamp(alpha, 0, 255);
}

void SaverTooltip::Draw()
{
    const SaverTipClock& tip = _controller.tip;
    if (!gameInfo.getUseScreensaver() || !tip.showing || tip.time < 1.0f)
        return;
    const float T = tip.time;
    int alpha = 255;
    float scale = 1.0f;
    Look(_controller, T, alpha, scale);
    RenderDevice& device = g_renderDevice;
    device.PushMatrix();
    device.Translate(Vector3(485.0f, 100.0f, 0.0f));
    if (scale != 1.0f)
        device.Scale(scale, scale, 1.0f);
    const Color colour(static_cast<std::uint8_t>(alpha));
    device.SetColor(colour);
    if (_scene.hasTipText) {
        const int w = _scene.tipText.width;
        const int h = _scene.tipText.height;
        const Rect frame(-20 - w / 2, -45, w + 40, h + 40);
        DrawTooltipFrame(frame);
        // The lines carry colours of their own: they fade with the box.
        TextBlock text = _scene.tipText;
        for (TextResourceLine& line : text.lines)
            line.color.a = static_cast<std::uint8_t>(line.color.a * alpha / 255);
        // The block's lines run down from its point: it starts 20 under the
        // frame's top, so that it sits in the middle of the frame.
        DrawTextRuns(Point(-5, frame.y + frame.h - 20), text);
    }
    device.PopMatrix();
    device.SetColor(colour);
    const float twice = 2.0f * T;
    DrawTooltipArrow(Point(595, 30), twice - static_cast<float>(static_cast<int>(twice)), 90);
    device.ResetColor();
}

Widget* CreateSaverTooltip(const TiXmlElement* element)
{
    return CreateWidgetOfKind<SaverTooltip>(element);
}
