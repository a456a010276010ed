#pragma once

// The sea of the world map: the registered picture "#MAP_WATER", tinted
// with the widget's colour and drawn three times additively over its
// rectangle, each copy drifting its own way as the phase advances.

#include "gui/Widget.h"
#include "gui/controllers/WaterPhase.h"

#include <string>

class Sprite;
class TiXmlElement;
struct Rect;

// The picture three times over the area, additively in the current colour,
// its texture tiled 3.6 times and each copy drifting its own way with the
// phase; the blend returns to normal.
void DrawDriftingWater(const Sprite& picture, const Rect& area, float phase);

class Water : public Widget {
public:
    Water(const std::string& widgetName, const TiXmlElement* element);
    ~Water() override;

    void MouseDoubleClick(const Point& p) override;
    void Draw() override;
    void Reset() override;

    Sprite* picture = nullptr;
    // Runs in the controller manager from construction; leaves it with the
    // widget.
    WaterPhase phase;
};
