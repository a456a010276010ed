#pragma once

// A sparkle where one clicks (widget kind "ParticleTest"): each press starts
// the effect "MouseDown" at the press and lets the press go on to the
// widgets under it. It draws nothing else.

#include "gui/Widget.h"

class ParticleTestController;
class TiXmlElement;

class ParticleTest : public Widget {
public:
    // Starts the run's particle test controller.
    ParticleTest(const std::string& widgetName, const TiXmlElement* element);
    ParticleTest(const std::string& widgetName, ParticleTestController& controller);

    bool MouseDown(const Point& p) override;
    void MouseMove(const Point& p) override {}
    void Draw() override {}
    void AcceptMessage(const Message& message) override {}
};

Widget* CreateParticleTest(const TiXmlElement* element);
