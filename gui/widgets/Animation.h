#pragma once

// Hidden until a script sends it "Play" with a frame animation id and the
// time per frame ("fish, 0.05"); it then shows the frames once and keeps
// the last one.

#include "gui/Widget.h"

#include <string>

class Sprite;
class TiXmlElement;

class Animation : public Widget {
public:
    Animation(const std::string& widgetName, const TiXmlElement* element);
    // Stops the players that show frames on it.
    ~Animation() override;

    void MouseDoubleClick(const Point& p) override;
    void Draw() override;
    void Reset() override;
    void AcceptMessage(const Message& message) override;

    Sprite* picture = nullptr; // the frame shown, set by its player
};
