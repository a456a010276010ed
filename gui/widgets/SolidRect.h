#pragma once

// A rectangle filled with the widget's colour; its rectangle is given in
// screen coordinates (y upward) and drawn whether visible or not.

#include "gui/Widget.h"

#include <string>

class TiXmlElement;

class SolidRect : public Widget {
public:
    SolidRect(const std::string& widgetName, const TiXmlElement* element);
    ~SolidRect() override;

    void MouseDoubleClick(const Point& p) override;
    void Draw() override;
    void Reset() override;
};

// "color" and "rectangle" children, shared with the water: the colour, and
// position, size and rect in screen coordinates, not converted.
void ReadScreenRectElements(Widget& widget, const TiXmlElement* element);
