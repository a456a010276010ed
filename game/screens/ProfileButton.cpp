#include "game/screens/ProfileButton.h"

#include "engine/platform/CustomCursor.h"
#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "engine/util/XmlAttributes.h"
#include "gui/FontAccess.h"
#include "gui/WidgetFactory.h"
#include "gui/widgets/WidgetServices.h"

#include <tinyxml.h>

namespace {

const char* const kNameFont = "Letter";
constexpr int kAdditive = 2;
constexpr int kNormal = 0;

void DrawPicture(const Sprite* picture, int x, int y)
{
    if (!picture)
        return;
    picture->Bind();
    g_renderDevice.DrawRect(x, y, picture->textureWidth, picture->textureHeight);
}

int WidthOf(const Sprite* picture)
{
    return picture ? picture->imageWidth : 0;
}

} // namespace

ProfileButton::ProfileButton(const std::string& widgetName, const TiXmlElement* element)
    : Widget(widgetName)
{
    fixed = true;
    welcome = GetWidgetPicture("#Welcome");
    changeUser = GetWidgetPicture("#ChangeUser");
    changeUserGlow = GetWidgetPicture("#ChangeUserGlow");
    if (!element)
        return;
    ReadIntAttribute(element, "profileOffsetX", profileOffsetX);
    ReadIntAttribute(element, "profileOffsetY", profileOffsetY);
    ReadIntAttribute(element, "changeUserOffset", changeUserOffset);
    for (const TiXmlElement* child = element->FirstChildElement("position"); child;
         child = child->NextSiblingElement("position")) {
        int x = 0, y = 0;
        ReadIntAttribute(child, "x", x);
        ReadIntAttribute(child, "y", y);
        centre = Point(x, 600 - y);
    }
}

bool ProfileButton::MouseDown(const Point& p)
{
    const bool taken = Widget::MouseDown(p);
    if (taken) {
        PlayWidgetSample("ButtonClick");
        if (g_cursor)
            g_cursor->SetNormal();
    }
    return taken;
}

void ProfileButton::MouseUp(const Point& p)
{
    if (hovered && pressed)
        PostMessage(Message(name, "press"));
    Widget::MouseUp(p);
}

void ProfileButton::MouseMove(const Point& p)
{
    Widget::MouseMove(p);
}

void ProfileButton::Draw()
{
    if (!visible) {
        // Hidden by its screen: nothing to press either.
        rect = Rect(centre.x, centre.y, 0, 0);
        return;
    }
    RenderDevice& device = g_renderDevice;
    const int nameWidth = FontTextWidth(playerName, kNameFont);
    totalWidth = WidthOf(welcome) + nameWidth + profileOffsetX;
    const int left = centre.x - totalWidth / 2;
    SetRect(left, centre.y - 30, totalWidth, 60);
    device.SetColor(color);
    DrawPicture(welcome, left, centre.y);
    DrawFontString(kNameFont, Point(left + WidthOf(welcome) + profileOffsetX, centre.y + profileOffsetY), playerName,
                   1.0f, 0);
    device.SetColor(color);
    const int changeLeft = centre.x - WidthOf(changeUser) / 2;
    DrawPicture(changeUser, changeLeft, centre.y + changeUserOffset);
    if (hovered && changeUserGlow) {
        device.SetBlendMode(kAdditive);
        DrawPicture(changeUserGlow, changeLeft, centre.y + changeUserOffset);
        device.SetBlendMode(kNormal);
    }
    device.ResetColor();
}

void ProfileButton::AcceptMessage(const Message& message)
{
    if (message.publisher == "SetProfile")
        playerName = message.data;
}

Widget* CreateProfileButton(const TiXmlElement* element)
{
    return CreateWidgetOfKind<ProfileButton>(element);
}
