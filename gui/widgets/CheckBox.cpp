#include "gui/widgets/CheckBox.h"

#include "engine/platform/CustomCursor.h"
#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "engine/util/StringUtils.h"
#include "engine/util/XmlAttributes.h"
#include "gui/widgets/TextPainter.h"
#include "gui/widgets/WidgetElements.h"

#include <tinyxml.h>

namespace {

// The box proper lies 2 pixels inside the picture on every side.
const int kBoxInset = 2;

void DrawPicture(const Sprite* picture, const Point& at)
{
    if (!picture)
        return;
    picture->Bind();
    g_renderDevice.DrawRect(at.x, at.y, picture->textureWidth, picture->textureHeight);
}

} // namespace

CheckBox::CheckBox(const std::string& widgetName, const TiXmlElement* element)
    : Widget(widgetName)
{
    fixed = true;
    margin = 16;
    ReadBoolAttribute(element, "startupState", state);
    for (const TiXmlElement* child = element->FirstChildElement(); child; child = child->NextSiblingElement()) {
        const std::string tag = child->Value();
        std::string value;
        if (tag == "position") {
            ReadWidgetPosition(*this, child);
        } else if (tag == "font") {
            ReadFloatAttribute(child, "scale", textScale);
            ReadStringAttribute(child, "name", font);
        } else if (tag == "text") {
            if (ReadElementText(child, value))
                SetText(value);
        } else if (tag == "textPosition") {
            ReadFirstChildPoint(child, textPosition);
        } else if (tag == "state") {
            if (ReadStringAttribute(child, "on", value))
                onPicture = TakeWidgetPicture(value, ownedPictures);
            if (ReadStringAttribute(child, "off", value)) {
                offPicture = TakeWidgetPicture(value, ownedPictures);
                SetWidgetSize(*this, offPicture ? offPicture->imageWidth : 0, offPicture ? offPicture->imageHeight : 0);
            }
        }
    }
}

CheckBox::~CheckBox() = default;

bool CheckBox::MouseDown(const Point& p)
{
    margin = kBoxInset;
    const bool inside = rect.x + kBoxInset <= p.x && p.x <= rect.x + kBoxInset + (rect.w - 2 * kBoxInset) &&
                        rect.y + kBoxInset <= p.y && p.y <= rect.y + kBoxInset + (rect.h - 2 * kBoxInset);
    if (!inside)
        return false;
    if (g_cursor)
        g_cursor->SetPressed();
    if (pressed)
        return true;
    state = !state;
    PostMessage(Message(name, "Change"));
    pressed = true;
    return true;
}

void CheckBox::MouseDoubleClick(const Point&) {}

void CheckBox::Draw()
{
    g_renderDevice.SetColor(color);
    DrawPicture(offPicture, position);
    if (state)
        DrawPicture(onPicture, position);
    TextPainter& painter = WidgetTextPainter();
    painter.SelectFont(font);
    painter.DrawString(position.x + textPosition.x, position.y + textPosition.y, text, textScale, 0, false);
    g_renderDevice.ResetColor();
}

void CheckBox::Reset() {}

void CheckBox::AcceptMessage(const Message& message)
{
    if (message.publisher == "SetState")
        state = StringToInt(message.data) > 0;
    else if (message.publisher == "Switch")
        state = !state;
}

Message CheckBox::QueryState(const Message& message)
{
    if (message.publisher == "GetState")
        return Message(name, state ? "1" : "0", 0);
    return Message();
}
