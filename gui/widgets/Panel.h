#pragma once

// One picture, optionally stretched over the whole screen, optionally with an
// alpha mask that shapes its hit area. Every press it is offered posts
// "press", whether or not the point lies on it.

#include "engine/render/ImageData.h"
#include "engine/render/Sprite.h"
#include "gui/Widget.h"

#include <string>

class TiXmlElement;

class Panel : public Widget {
public:
    Panel(const std::string& widgetName, const TiXmlElement* element);
    ~Panel() override;

    bool MouseDown(const Point& p) override;
    void MouseDoubleClick(const Point& p) override;
    void Draw() override;
    void Reset() override;

    Sprite* picture = nullptr;
    bool scaleTextureToScreen = false;

private:
    void ReadTexture(const TiXmlElement* element);
    void ReadInputMask(const TiXmlElement* element);

    // A picture loaded from a file belongs to the panel; a "#" picture to
    // the resource manager.
    OwnedSprite ownedPicture;
    // The hit mask with its own copy of the pixels (the base's mask points
    // here).
    ImageData maskImage;
};
