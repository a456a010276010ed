#include "gui/WidgetXml.h"

#include "engine/util/XmlAttributes.h"

Rect ReadRect(const TiXmlElement* element)
{
    Rect rect;
    ReadIntAttribute(element, "x", rect.x);
    ReadIntAttribute(element, "y", rect.y);
    ReadIntAttribute(element, "width", rect.w);
    ReadIntAttribute(element, "height", rect.h);
    return rect;
}

Color ReadColor(const TiXmlElement* element)
{
    int r = 255, g = 255, b = 255, a = 255;
    ReadIntAttribute(element, "r", r);
    ReadIntAttribute(element, "g", g);
    ReadIntAttribute(element, "b", b);
    ReadIntAttribute(element, "a", a);
    return Color(r, g, b, a);
}
