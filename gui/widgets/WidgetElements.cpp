#include "gui/widgets/WidgetElements.h"

#include "engine/util/XmlAttributes.h"
#include "gui/ResourceAccess.h"
#include "gui/Widget.h"
#include "gui/widgets/WidgetServices.h"

#include <tinyxml.h>

void ReadWidgetPosition(Widget& widget, const TiXmlElement* element)
{
    const Point p = ReadPoint(element);
    widget.position = Point(p.x, 600 - p.y);
    widget.offset = widget.position;
    widget.rect = Rect(widget.position, widget.size);
}

bool ReadFirstChildPoint(const TiXmlElement* element, Point& point)
{
    const TiXmlElement* child = element->FirstChildElement();
    if (!child)
        return false;
    point = ReadPoint(child);
    return true;
}

bool ReadElementText(const TiXmlElement* element, std::string& text)
{
    const char* value = element->GetText();
    if (!value)
        return false;
    text = value;
    return true;
}

Sprite* TakeWidgetPicture(const std::string& name, std::vector<OwnedSprite>& owned)
{
    OwnedSprite loaded;
    Sprite* picture = GuiResources::GetTexture(name, loaded, nullptr, GetWidgetPicture);
    if (loaded)
        owned.push_back(std::move(loaded));
    return picture;
}

void SetWidgetSize(Widget& widget, int width, int height)
{
    widget.size = Point(width, height);
    widget.rect = Rect(widget.position, widget.size);
}
