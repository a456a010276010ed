#include "gui/widgets/Panel.h"

#include "engine/render/ImageLoader.h"
#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "engine/util/XmlAttributes.h"
#include "gui/ResourceAccess.h"
#include "gui/widgets/WidgetElements.h"
#include "gui/widgets/WidgetServices.h"

#include <tinyxml.h>

Panel::Panel(const std::string& widgetName, const TiXmlElement* element)
    : Widget(widgetName)
{
    activeCursor = false;
    ReadBoolAttribute(element, "freeze", fixed);
    ReadBoolAttribute(element, "static", ignoresMouse);
    ReadBoolAttribute(element, "scaleTextureToScreen", scaleTextureToScreen);
    for (const TiXmlElement* child = element->FirstChildElement(); child; child = child->NextSiblingElement()) {
        const std::string tag = child->Value();
        if (tag == "position")
            ReadWidgetPosition(*this, child);
        else if (tag == "texture")
            ReadTexture(child);
        else if (tag == "input_mask")
            ReadInputMask(child);
    }
}

Panel::~Panel() = default;

void Panel::ReadTexture(const TiXmlElement* element)
{
    std::string textureName;
    if (!ReadStringAttribute(element, "name", textureName))
        return;
    // A file picture takes its alpha from the mask read before it.
    // Without a picture the panel keeps its old size and draws nothing.
    picture = GuiResources::GetTexture(textureName, ownedPicture, mask, GetWidgetPicture);
    if (picture)
        SetWidgetSize(*this, picture->imageWidth, picture->imageHeight);
}

void Panel::ReadInputMask(const TiXmlElement* element)
{
    const TiXmlElement* texture = element->FirstChildElement("texture");
    std::string maskName;
    if (!texture || !ReadStringAttribute(texture, "name", maskName))
        return;
    LoadMaskImage(maskName, maskImage);
    mask = maskImage.IsEmpty() || !maskImage.pixels ? nullptr : &maskImage;
}

bool Panel::MouseDown(const Point& p)
{
    PostMessage(Message(name, "press"));
    return Widget::MouseDown(p);
}

void Panel::MouseDoubleClick(const Point&) {}

void Panel::Draw()
{
    g_renderDevice.SetColor(color);
    if (visible && picture) {
        if (scaleTextureToScreen) {
            picture->linearFilter = true;
            picture->Bind();
            const float uMax = picture->textureWidth > 0
                                   ? static_cast<float>(picture->imageWidth) / static_cast<float>(picture->textureWidth)
                                   : 0.0f;
            const float vMax = picture->textureHeight > 0 ? static_cast<float>(picture->imageHeight) /
                                                                 static_cast<float>(picture->textureHeight)
                                                           : 0.0f;
            g_renderDevice.DrawRectPartial(0, 0, 800, 600, uMax, vMax);
        } else {
            picture->Bind();
            g_renderDevice.DrawRect(position.x, position.y, picture->textureWidth, picture->textureHeight);
        }
    }
    g_renderDevice.ResetColor();
}

void Panel::Reset() {}
