#include "gui/widgets/WidgetElements.h"

#include "engine/render/Sprite.h"
#include "engine/util/XmlAttributes.h"
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

Sprite* TakeWidgetPicture(const std::string& name, std::vector<std::unique_ptr<Sprite>>& owned)
{
    Sprite* picture = GetWidgetPicture(name);
    if (picture && !name.empty() && name[0] != '#')
        owned.emplace_back(picture);
    return picture;
}

void SetWidgetSize(Widget& widget, int width, int height)
{
    widget.size = Point(width, height);
    widget.rect = Rect(widget.position, widget.size);
}
