#include "engine/util/XmlAttributes.h"

#include "engine/util/StringUtils.h"

#include <tinyxml.h>

namespace {

const char* Find(const TiXmlElement* element, const char* name)
{
    return element ? element->Attribute(name) : nullptr;
}

} // namespace

bool ReadIntAttribute(const TiXmlElement* element, const char* name, int& value)
{
    const char* text = Find(element, name);
    if (!text)
        return false;
    value = StringToInt(text);
    return true;
}

bool ReadFloatAttribute(const TiXmlElement* element, const char* name, float& value)
{
    const char* text = Find(element, name);
    if (!text)
        return false;
    value = StringToFloat(text);
    return true;
}

bool ReadBoolAttribute(const TiXmlElement* element, const char* name, bool& value)
{
    const char* text = Find(element, name);
    if (!text)
        return false;
    value = StringToBool(text);
    return true;
}

bool ReadStringAttribute(const TiXmlElement* element, const char* name, std::string& value)
{
    const char* text = Find(element, name);
    if (!text)
        return false;
    value = text;
    return true;
}
