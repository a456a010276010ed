#pragma once

// A horizontal track with a manipulator that the mouse drags or that jumps
// to a click on the track. Every change posts the position as a percentage
// in the message's integer; "SetPos" sets it, "GetPos" answers it rounded.

#include "engine/render/Sprite.h"
#include "gui/Widget.h"

#include <memory>
#include <string>
#include <vector>

class Sprite;
class TiXmlElement;

class Slider : public Widget {
public:
    Slider(const std::string& widgetName, const TiXmlElement* element);
    ~Slider() override;

    bool MouseDown(const Point& p) override;
    void MouseDoubleClick(const Point& p) override;
    void MouseMove(const Point& p) override;
    void Draw() override;
    void Reset() override;
    void AcceptMessage(const Message& message) override;
    Message QueryState(const Message& message) override;

    // Percentages of the current value: truncated as posted, rounded as
    // answered; 0 on a track of no length.
    int PostedPercent() const;
    int QueriedPercent() const;

    int value = 0;
    int dragStartValue = 0;
    int trackLength = 0;
    Point manipulatorOffset;
    Sprite* activePicture = nullptr;
    Sprite* inactivePicture = nullptr;
    Sprite* manipulatorPicture = nullptr;
    Point manipulatorSize;

private:
    Point TrackStart() const { return position + manipulatorOffset; }
    bool OnManipulator(const Point& p) const;
    void PostPercent();

    std::vector<OwnedSprite> ownedPictures;
};
