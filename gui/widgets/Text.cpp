#include "gui/widgets/Text.h"

#include "engine/render/RenderDevice.h"
#include "engine/util/XmlAttributes.h"
#include "gui/FontAccess.h"
#include "gui/TextResource.h"
#include "gui/WidgetFactory.h"

#include <tinyxml.h>

Text::Text(const std::string& widgetName, const TiXmlElement* element)
    : Widget(widgetName)
{
    Load(element);
}

void Text::Load(const TiXmlElement* element)
{
    if (!element)
        return;
    ReadBoolAttribute(element, "freeze", fixed);
    for (const TiXmlElement* child = element->FirstChildElement(); child; child = child->NextSiblingElement()) {
        const std::string& kind = child->ValueStr();
        if (kind == "position") {
            const Point p = ReadPoint(child);
            position = Point(p.x, 600 - p.y);
            offset = position;
            rect = Rect(position, size);
        } else if (kind == "text") {
            const char* value = child->GetText();
            if (!value)
                continue;
            const std::string t(value);
            if (!t.empty() && t[0] == '@')
                SelectResource(t.substr(1));
            else
                SetText(t);
        } else if (kind == "font") {
            ReadFloatAttribute(child, "scale", scale);
            ReadStringAttribute(child, "name", font);
        } else if (kind == "align") {
            const char* value = child->GetText();
            const std::string a = value ? value : "";
            if (a == "Center")
                align = 2;
            else if (a == "Right")
                align = 1;
            else if (a == "Left")
                align = 0;
        }
    }
}

void Text::SelectResource(const std::string& id)
{
    resource = FindTextResource(id);
    if (resource)
        useResource = true;
}

bool Text::MouseDown(const Point&)
{
    return false;
}

void Text::MouseDoubleClick(const Point&) {}

void Text::Draw()
{
    if (!visible)
        return;
    g_renderDevice.SetColor(color);
    if (useResource && resource) {
        // The block is shared: it is drawn in the widget's colour from a copy.
        TextResource shown = *resource;
        shown.SetColor(color);
        DrawTextBlock(position, shown);
    } else {
        // A resource id that was not found falls back to the plain string.
        DrawFontString(font, position, text, scale, align);
    }
    g_renderDevice.ResetColor();
}

void Text::Reset() {}

void Text::AcceptMessage(const Message& message)
{
    if (message.is("SetString")) {
        useResource = false;
        SetText(message.data);
    } else if (message.is("SetText")) {
        SelectResource(message.data);
    }
}

Widget* CreateText(const TiXmlElement* element)
{
    return CreateWidgetOfKind<Text>(element);
}
