#pragma once

// An on/off box with a caption. A press on the box toggles it and posts
// "Change"; "SetState" and "Switch" set it without posting, "GetState"
// answers "1" or "0".

#include "engine/render/Sprite.h"
#include "gui/Widget.h"

#include <memory>
#include <string>
#include <vector>

class Sprite;
class TiXmlElement;

class CheckBox : public Widget {
public:
    CheckBox(const std::string& widgetName, const TiXmlElement* element);
    ~CheckBox() override;

    bool MouseDown(const Point& p) override;
    void MouseDoubleClick(const Point& p) override;
    void Draw() override;
    void Reset() override;
    void AcceptMessage(const Message& message) override;
    Message QueryState(const Message& message) override;

    std::string font = "text";
    float textScale = 1.0f;
    Point textPosition{50, 0};
    Sprite* offPicture = nullptr;
    Sprite* onPicture = nullptr;
    bool state = false;

private:
    std::vector<OwnedSprite> ownedPictures;
};
