#include "gui/widgets/SolidRect.h"

#include "engine/render/RenderDevice.h"
#include "gui/WidgetXml.h"

#include <tinyxml.h>

void ReadScreenRectElements(Widget& widget, const TiXmlElement* element)
{
    for (const TiXmlElement* child = element->FirstChildElement(); child; child = child->NextSiblingElement()) {
        const std::string tag = child->Value();
        if (tag == "color") {
            widget.color = ReadColor(child);
        } else if (tag == "rectangle") {
            const Rect r = ReadRect(child);
            widget.SetRect(r.x, r.y, r.w, r.h);
        }
    }
}

SolidRect::SolidRect(const std::string& widgetName, const TiXmlElement* element)
    : Widget(widgetName)
{
    fixed = true;
    ignoresMouse = true;
    ReadScreenRectElements(*this, element);
}

SolidRect::~SolidRect() = default;

void SolidRect::MouseDoubleClick(const Point&) {}

void SolidRect::Draw()
{
    g_renderDevice.SetColor(color);
    g_renderDevice.EnableTexture(false);
    g_renderDevice.DrawRect(position.x, position.y, size.x, size.y);
    g_renderDevice.EnableTexture(true);
    g_renderDevice.ResetColor();
}

void SolidRect::Reset() {}
