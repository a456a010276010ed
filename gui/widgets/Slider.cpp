#include "gui/widgets/Slider.h"

#include "engine/platform/CustomCursor.h"
#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "engine/util/StringUtils.h"
#include "engine/util/XmlAttributes.h"
#include "gui/widgets/WidgetElements.h"

#include <tinyxml.h>

#include <algorithm>

namespace {

void DrawPicture(const Sprite* picture, const Point& at)
{
    if (!picture)
        return;
    picture->Bind();
    g_renderDevice.DrawRect(at.x, at.y, picture->textureWidth, picture->textureHeight);
}

void SetCursorPressed()
{
    if (g_cursor)
        g_cursor->SetPressed();
}

} // namespace

Slider::Slider(const std::string& widgetName, const TiXmlElement* element)
    : Widget(widgetName)
{
    fixed = true;
    for (const TiXmlElement* child = element->FirstChildElement(); child; child = child->NextSiblingElement()) {
        const std::string tag = child->Value();
        std::string picture;
        if (tag == "position") {
            // The slider is hit only through its own boxes: its size stays 0.
            ReadWidgetPosition(*this, child);
        } else if (tag == "manipulatorOffset") {
            ReadFirstChildPoint(child, manipulatorOffset);
        } else if (tag == "state") {
            if (ReadStringAttribute(child, "inactive", picture)) {
                inactivePicture = TakeWidgetPicture(picture, ownedPictures);
                trackLength = inactivePicture ? inactivePicture->imageWidth : 0;
            }
            if (ReadStringAttribute(child, "active", picture))
                activePicture = TakeWidgetPicture(picture, ownedPictures);
            if (ReadStringAttribute(child, "manipulator", picture)) {
                manipulatorPicture = TakeWidgetPicture(picture, ownedPictures);
                manipulatorSize = manipulatorPicture
                                      ? Point(manipulatorPicture->imageWidth, manipulatorPicture->imageHeight)
                                      : Point();
            }
        }
    }
}

Slider::~Slider() = default;

int Slider::PostedPercent() const
{
    if (trackLength <= 0)
        return 0;
    return static_cast<int>(static_cast<float>(value) / static_cast<float>(trackLength) * 100.0f);
}

int Slider::QueriedPercent() const
{
    if (trackLength <= 0)
        return 0;
    return static_cast<int>(static_cast<float>(value) / static_cast<float>(trackLength) * 100.0f + 0.5f);
}

void Slider::PostPercent()
{
    PostMessage(Message(name, std::string(), PostedPercent()));
}

bool Slider::OnManipulator(const Point& p) const
{
    const Point start = TrackStart();
    return start.x + value <= p.x && p.x <= start.x + value + manipulatorSize.x && start.y <= p.y &&
           p.y <= start.y + manipulatorSize.y;
}

bool Slider::MouseDown(const Point& p)
{
    if (pressed)
        return true;
    if (OnManipulator(p)) {
        pressed = true;
        pressPoint = p;
        dragStartValue = value;
        SetCursorPressed();
        return true;
    }
    const Point start = TrackStart();
    if (start.x <= p.x && p.x <= start.x + trackLength && start.y <= p.y && p.y <= start.y + manipulatorSize.y) {
        value = p.x - start.x;
        PostPercent();
        SetCursorPressed();
        return true;
    }
    return false;
}

void Slider::MouseDoubleClick(const Point&) {}

void Slider::MouseMove(const Point& p)
{
    if (pressed) {
        SetCursorPressed();
        value = dragStartValue + (p.x - pressPoint.x);
        if (value >= trackLength)
            value = trackLength;
        if (value < 1)
            value = 0;
        PostPercent();
    } else if (OnManipulator(p) && g_cursor) {
        g_cursor->SetActive();
    }
    if (parent) {
        position = offset + parent->position;
        rect = Rect(position, size);
    }
}

void Slider::Draw()
{
    g_renderDevice.SetColor(color);
    DrawPicture(inactivePicture, position);
    if (activePicture) {
        const float fraction = trackLength > 0 ? static_cast<float>(value) / static_cast<float>(trackLength) : 0.0f;
        const float filled = fraction * static_cast<float>(activePicture->imageWidth);
        const float uMax =
            activePicture->textureWidth > 0 ? filled / static_cast<float>(activePicture->textureWidth) : 0.0f;
        activePicture->Bind();
        g_renderDevice.DrawRectPartial(position.x, position.y, static_cast<int>(filled), activePicture->textureHeight,
                                       uMax, 1.0f);
    }
    DrawPicture(manipulatorPicture, Point(TrackStart().x + value, TrackStart().y));
    g_renderDevice.ResetColor();
}

void Slider::Reset() {}

void Slider::AcceptMessage(const Message& message)
{
    if (message.publisher != "SetPos")
        return;
    const int percent = StringToInt(message.data);
    const int wanted = static_cast<int>(static_cast<float>(percent) * 0.01f * static_cast<float>(trackLength));
    // Kept on the track: a value outside it would put the manipulator where
    // no press can reach it.
    value = std::clamp(wanted, 0, std::max(trackLength, 0));
}

Message Slider::QueryState(const Message& message)
{
    if (message.publisher == "GetPos")
        return Message(name, IntToString(QueriedPercent()), 0);
    return Message();
}
