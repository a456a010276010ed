#include "game/screens/SSView.h"

#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "engine/util/XmlAttributes.h"
#include "game/screens/SSViewSlideshow.h"
#include "gui/WidgetFactory.h"
#include "gui/controllers/ControllerManager.h"
#include "gui/widgets/WidgetServices.h"

#include <tinyxml.h>

#include <algorithm>
#include <string>

SSView::SSView(const std::string& widgetName, const TiXmlElement* element)
    : Widget(widgetName)
{
    if (const TiXmlElement* position = element ? element->FirstChildElement("position") : nullptr) {
        ReadIntAttribute(position, "x", corner.x);
        ReadIntAttribute(position, "y", corner.y);
    }
    for (int n = 0; n < kShots; ++n) {
        blackAndWhite[static_cast<std::size_t>(n)] = GetWidgetPicture("#SS_SHOTBW_" + std::to_string(n));
        colour[static_cast<std::size_t>(n)] = GetWidgetPicture("#SS_SHOTCOLOR_" + std::to_string(n));
    }
    kernel.AddController(new SSViewSlideshow(this));
}

SSView::~SSView()
{
    if (slideshow)
        slideshow->Forget();
}

float SSView::SlideTime() const
{
    return slideshow ? slideshow->_time : 0.0f;
}

void SSView::AcceptMessage(const Message& message)
{
    if (message.publisher != "Reset")
        return;
    if (slideshow)
        slideshow->_time = 0.0f;
    current = 0;
    next = 1;
}

std::vector<SSView::Shot> SSView::ShotsAt(float t) const
{
    const float a = static_cast<float>(color.a) / 255.0f;
    const Sprite* bw = blackAndWhite[static_cast<std::size_t>(current)];
    const Sprite* full = colour[static_cast<std::size_t>(current)];
    const int opaque = static_cast<int>(255.0f * a);
    auto faded = [a](float f) { return static_cast<int>(static_cast<float>(static_cast<int>(255.0f * f)) * a); };
    if (t < 0.15f)
        return {{bw, opaque}};
    if (t < 0.3f)
        return {{full, opaque}, {bw, faded(1.0f - (t - 0.15f) * 6.6666665f)}};
    if (t < 0.7f)
        return {{full, opaque}};
    if (t < 0.85f)
        return {{full, opaque}, {bw, faded((t - 0.7f) * 6.6666665f)}};
    const int incoming = std::clamp(static_cast<int>((t - 0.85f) * 6.6666665f * 255.0f), 0, 255);
    return {{bw, opaque}, {blackAndWhite[static_cast<std::size_t>(next)], static_cast<int>(static_cast<float>(incoming) * a)}};
}

void SSView::Draw()
{
    for (const Shot& shot : ShotsAt(SlideTime())) {
        if (!shot.picture)
            continue;
        g_renderDevice.SetColor(Color(static_cast<std::uint8_t>(std::clamp(shot.alpha, 0, 255))));
        shot.picture->Bind();
        g_renderDevice.DrawRect(corner.x, corner.y, shot.picture->textureWidth, shot.picture->textureHeight);
    }
    g_renderDevice.ResetColor();
}

Widget* CreateSSView(const TiXmlElement* element)
{
    return CreateWidgetOfKind<SSView>(element);
}
