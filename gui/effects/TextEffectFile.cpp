#include "gui/effects/TextEffectFile.h"

#include "engine/platform/HtmlLog.h"
#include "engine/util/MathFunctions.h"
#include "engine/util/XmlAttributes.h"
#include "gui/FontAccess.h"
#include "gui/TextResource.h"
#include "gui/effects/TextWithEffects.h"

#include <tinyxml.h>

#include <type_traits>

namespace {

const char* const kTextEffectErrorTitle = "Text effects";

void ReadString(const TiXmlElement* element, TextWithEffects& text)
{
    std::string name;
    if (!ReadStringAttribute(element, "name", name))
        return;
    TextEffectString string;
    ReadFloatAttribute(element, "x", string._x);
    ReadFloatAttribute(element, "y", string._y);
    ReadStringAttribute(element, "font", string._font);
    std::string value;
    if (ReadStringAttribute(element, "value", value))
        string.SetText(value);
    ReadFloatAttribute(element, "startTime", string._startTime);
    ReadFloatAttribute(element, "showTime", string._showTime);
    std::string effect;
    if (ReadStringAttribute(element, "leftFlame", effect))
        string.SetLeftFlame(effect);
    if (ReadStringAttribute(element, "rightFlame", effect))
        string.SetRightFlame(effect);
    if (ReadStringAttribute(element, "startEffect", string._startEffect))
        string._hasStartEffect = true;
    if (ReadStringAttribute(element, "startSound", string._startSound))
        string._hasStartSound = true;
    std::string mode;
    ReadStringAttribute(element, "startMode", mode);
    if (mode == "CenterBurn") {
        string._startMode = TextEffectString::kCenterBurn;
    } else if (mode == "RightBurn") {
        string._startMode = TextEffectString::kRightBurn;
        string._hasLeftFlame = false;
    } else if (mode == "StringBoom") {
        string._startMode = TextEffectString::kStringBoom;
        string._hasLeftFlame = false;
        string._hasRightFlame = false;
    }
    std::string align;
    ReadStringAttribute(element, "align", align);
    if (align == "Center")
        string._align = 2;
    else if (align == "Right")
        string._align = 1;
    else if (align == "Left")
        string._align = 0;
    text.Insert(name, string);
}

// A required attribute that is missing reads as 0, with a log line.
template <typename Number>
Number Required(const TiXmlElement* element, const char* name)
{
    Number value = 0;
    bool found = false;
    if constexpr (std::is_same_v<Number, int>)
        found = ReadIntAttribute(element, name, value);
    else
        found = ReadFloatAttribute(element, name, value);
    if (!found)
        LogError(kTextEffectErrorTitle,
                 std::string("\"SetEffect\" without \"") + name + "\": it is read as 0.");
    return value;
}

void ApplySetEffect(const TiXmlElement* element, TextWithEffects& text)
{
    const int from = Required<int>(element, "from");
    const int to = Required<int>(element, "to");
    const float showTime = Required<float>(element, "showTime");
    const float startTime = Required<float>(element, "startTime");
    const float startFactor = Required<float>(element, "startFactor");
    std::string leftFlame, rightFlame, startEffect, startMode, startSound;
    ReadStringAttribute(element, "leftFlame", leftFlame);
    ReadStringAttribute(element, "rightFlame", rightFlame);
    ReadStringAttribute(element, "startEffect", startEffect);
    ReadStringAttribute(element, "startMode", startMode);
    const bool hasSound = ReadStringAttribute(element, "startSound", startSound);

    for (int i = from; i <= to; ++i) {
        TextEffectString* string = text.Find("String" + std::to_string(i));
        if (!string)
            return;
        string->_startTime = startTime;
        string->_showTime = showTime + static_cast<float>(i - from) * startFactor;
        if (hasSound) {
            string->_startSound = startSound;
            string->_hasStartSound = true;
        }
        if (startMode == "CenterBurn") {
            string->_startMode = TextEffectString::kCenterBurn;
            string->_hasStartEffect = false;
            string->SetLeftFlame(leftFlame);
            string->SetRightFlame(rightFlame);
        } else if (startMode == "RightBurn") {
            string->_startMode = TextEffectString::kRightBurn;
            string->SetRightFlame(rightFlame);
            string->_hasLeftFlame = false;
            string->_hasStartEffect = false;
        } else if (startMode == "StringBoom") {
            string->_startMode = TextEffectString::kStringBoom;
            string->_hasLeftFlame = false;
            string->_hasRightFlame = false;
            string->_hasStartEffect = true;
            string->_startEffect = startEffect;
        }
        if (i == to)
            break; // never steps past the largest int
    }
}

} // namespace

void ParseTextEffect(const TiXmlElement* element, TextWithEffects& text)
{
    if (!element)
        return;
    if (const TiXmlElement* fromText = element->FirstChildElement("FromText")) {
        std::string textName;
        ReadStringAttribute(fromText, "textName", textName);
        BuildTextEffectsFromText(textName, text);
        for (const TiXmlElement* set = fromText->FirstChildElement("SetEffect"); set;
             set = set->NextSiblingElement("SetEffect"))
            ApplySetEffect(set, text);
        return;
    }
    for (const TiXmlElement* child = element->FirstChildElement("String"); child;
         child = child->NextSiblingElement("String"))
        ReadString(child, text);
}

void BuildTextEffectsFromText(const std::string& textName, TextWithEffects& text)
{
    const TextResource* resource = FindTextResource(textName);
    if (!resource)
        return;
    int y = 0;
    int number = 0;
    for (const TextResourceLine& line : resource->lines) {
        ++number;
        y -= TruncateToInt(static_cast<float>(line.lineHeight) * line.scale);
        TextEffectString string;
        string._font = line.font;
        string.SetText(line.text);
        string._x = 0.0f;
        string._y = static_cast<float>(y);
        string._align = 2;
        text.Insert("String" + std::to_string(number), string);
    }
}
