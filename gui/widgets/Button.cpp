#include "gui/widgets/Button.h"

#include "engine/platform/CustomCursor.h"
#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "engine/util/XmlAttributes.h"
#include "gui/widgets/TextPainter.h"
#include "gui/widgets/WidgetElements.h"
#include "gui/widgets/WidgetServices.h"

#include <tinyxml.h>

#include <utility>

namespace {

bool Contains(const Rect& r, const Point& p)
{
    return p.x >= r.x && p.x <= r.x + r.w && p.y >= r.y && p.y <= r.y + r.h;
}

} // namespace

Button::Button(const std::string& widgetName, const TiXmlElement* element)
    : Widget(widgetName)
{
    fixed = true;
    for (const TiXmlElement* child = element->FirstChildElement(); child; child = child->NextSiblingElement()) {
        const std::string tag = child->Value();
        if (tag == "position") {
            ReadWidgetPosition(*this, child);
        } else if (tag == "font") {
            ReadFloatAttribute(child, "scale", textScale);
            ReadStringAttribute(child, "normal", normalFont);
            ReadStringAttribute(child, "active", activeFont);
            ReadStringAttribute(child, "pressed", pressedFont);
            ReadStringAttribute(child, "deactive", deactiveFont);
        } else if (tag == "text") {
            std::string value;
            if (ReadElementText(child, value))
                SetText(value);
        } else if (tag == "textPosition") {
            ReadFirstChildPoint(child, textPosition);
        } else if (tag == "state") {
            ReadState(child);
        } else if (tag == "rectangle") {
            int width = 0, height = 0;
            ReadIntAttribute(child, "width", width);
            ReadIntAttribute(child, "height", height);
            SetWidgetSize(*this, width, height);
            textPosition = Point(width / 2, height / 2);
        } else if (tag == "orient") {
            int angle = 0;
            if (ReadIntAttribute(child, "angle", angle)) {
                if (angle == 90)
                    orientation = 1;
                else if (angle == 180)
                    orientation = 2;
                else if (angle == 270)
                    orientation = 3;
            }
        }
    }
    if (orientation == 1 || orientation == 3) {
        std::swap(size.x, size.y);
        std::swap(rect.w, rect.h);
    }
    position = Point(rect.x, rect.y);
    size = Point(rect.w, rect.h);
}

Button::~Button() = default;

void Button::ReadState(const TiXmlElement* element)
{
    const Sprite* sizing = nullptr;
    std::string name;
    if (ReadStringAttribute(element, "normal", name)) {
        normalPicture = TakeWidgetPicture(name, ownedPictures);
        sizing = normalPicture;
    }
    if (ReadStringAttribute(element, "active", name)) {
        activePicture = TakeWidgetPicture(name, ownedPictures);
        sizing = activePicture;
    }
    if (ReadStringAttribute(element, "pressed", name)) {
        pressedPicture = TakeWidgetPicture(name, ownedPictures);
        sizing = pressedPicture;
    }
    if (ReadStringAttribute(element, "deactive", name)) {
        deactivePicture = TakeWidgetPicture(name, ownedPictures);
        hasDeactivePicture = true;
    }
    // A name that gives no picture still counts as given: the size is that
    // of the last one named, and a missing picture has none.
    const bool sized = element->Attribute("normal") || element->Attribute("active") || element->Attribute("pressed");
    if (sized) {
        const int width = sizing ? sizing->imageWidth : 0;
        const int height = sizing ? sizing->imageHeight : 0;
        SetWidgetSize(*this, width, height);
        textPosition = Point(width / 2, height / 2);
    }
}

bool Button::MouseDown(const Point& p)
{
    if (!enabled)
        return false;
    if (Contains(rect, p) && !pressed)
        PostMessage(Message(name, "down"));
    const bool taken = Widget::MouseDown(p);
    if (taken)
        PlayWidgetSample("ButtonClick");
    return taken;
}

void Button::MouseDoubleClick(const Point&) {}

void Button::MouseUp(const Point& p)
{
    if (enabled && hovered && pressed)
        PostMessage(Message(name, "press"));
    Widget::MouseUp(p);
}

void Button::MouseMove(const Point& p)
{
    Widget::MouseMove(p);
    if (!enabled && hovered && g_cursor)
        g_cursor->SetNormal();
}

const Sprite* Button::CurrentPicture() const
{
    if (!enabled)
        return deactivePicture;
    if (hovered)
        return pressed ? pressedPicture : activePicture;
    return normalPicture;
}

void Button::Draw()
{
    g_renderDevice.SetColor(color);
    if (const Sprite* picture = CurrentPicture()) {
        Point corner = position;
        if (orientation == 1)
            corner.y += picture->imageWidth - picture->textureWidth;
        else if (orientation == 2)
            corner.x += picture->imageWidth - picture->textureWidth;
        else if (orientation == 3)
            corner.x += picture->imageHeight - picture->textureHeight;
        picture->Bind();
        g_renderDevice.DrawRectOriented(Rect(corner.x, corner.y, picture->textureWidth, picture->textureHeight),
                                        orientation);
    }
    if (!text.empty()) {
        const std::string* font = nullptr;
        if (enabled)
            font = hovered ? (pressed ? &pressedFont : &activeFont) : &normalFont;
        else if (hasDeactivePicture)
            font = &deactiveFont;
        if (font) {
            const int shift = (enabled && hovered && pressed) ? 1 : 0;
            TextPainter& painter = WidgetTextPainter();
            painter.SelectFont(*font);
            painter.DrawString(position.x + textPosition.x + shift, position.y + textPosition.y - shift, text,
                               textScale, 2, true);
        }
    }
    g_renderDevice.ResetColor();
}

void Button::Reset() {}

void Button::AcceptMessage(const Message& message)
{
    if (message.publisher == "Active")
        enabled = message.integerParam > 0;
    else if (message.publisher == "SetText")
        SetText(message.data);
}
