#pragma once

// The push button: a picture for each of four states (normal, active under
// the mouse, pressed, deactive), a caption in a font per state, the click
// sample, and the messages "down" on a press and "press" on the release over
// it. "Active" enables or disables it, "SetText" changes the caption.

#include "engine/render/Sprite.h"
#include "gui/Widget.h"

#include <memory>
#include <string>
#include <vector>

class Sprite;
class TiXmlElement;

class Button : public Widget {
public:
    Button(const std::string& widgetName, const TiXmlElement* element);
    ~Button() override;

    bool MouseDown(const Point& p) override;
    void MouseDoubleClick(const Point& p) override;
    void MouseUp(const Point& p) override;
    void MouseMove(const Point& p) override;
    void Draw() override;
    void Reset() override;
    void AcceptMessage(const Message& message) override;

    std::string normalFont = "ButtonNormal";
    std::string pressedFont = "ButtonPress";
    std::string activeFont = "ButtonActive";
    std::string deactiveFont = "ButtonNormalBW";
    float textScale = 1.0f;
    Point textPosition;
    int orientation = 0;
    Sprite* normalPicture = nullptr;
    Sprite* pressedPicture = nullptr;
    Sprite* activePicture = nullptr;
    Sprite* deactivePicture = nullptr;
    bool enabled = true;
    bool hasDeactivePicture = false;

private:
    void ReadState(const TiXmlElement* element);
    const Sprite* CurrentPicture() const;

    // Pictures the button loaded from files itself.
    std::vector<OwnedSprite> ownedPictures;
};
