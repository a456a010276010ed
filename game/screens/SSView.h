#pragma once

// A slide show of four screenshots (widget kind "SSView"): each shows five
// seconds, turning from black and white to colour and back before the next
// one fades in. Pictures "#SS_SHOTBW_0".."3" and "#SS_SHOTCOLOR_0".."3";
// a child "position" gives the corner as written (y upward). "Reset" starts
// again at the first picture.

#include "gui/Widget.h"

#include <array>
#include <vector>

class SSViewSlideshow;
class Sprite;
class TiXmlElement;

class SSView : public Widget {
public:
    static constexpr int kShots = 4;

    // Starts its slideshow controller.
    SSView(const std::string& widgetName, const TiXmlElement* element);
    // Its slideshow stops touching it.
    ~SSView() override;

    struct Shot {
        const Sprite* picture;
        int alpha; // 0 to 255
    };
    // What is drawn at slide time t, lowest first, in the colour's alpha.
    std::vector<Shot> ShotsAt(float t) const;

    void Draw() override;
    void AcceptMessage(const Message& message) override;

    // The slide time (0 without a slideshow).
    float SlideTime() const;

    std::array<Sprite*, kShots> blackAndWhite{};
    std::array<Sprite*, kShots> colour{};
    int current = 0;
    int next = 1;
    Point corner;
    // Set and cleared by the slideshow itself.
    SSViewSlideshow* slideshow = nullptr;

};

Widget* CreateSSView(const TiXmlElement* element);
