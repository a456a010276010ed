#include "engine/util/Point.h"

#include "engine/util/XmlAttributes.h"

Point ReadPoint(const TiXmlElement* element)
{
    Point p;
    ReadIntAttribute(element, "x", p.x);
    ReadIntAttribute(element, "y", p.y);
    return p;
}
