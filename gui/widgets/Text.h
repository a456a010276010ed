#pragma once

// One line of text on a screen: a plain string in a font, scale and
// alignment, or a whole text block of the text resources. "SetString" shows
// a plain string, "SetText" a text block by id. Layer files name it "Text".

#include "gui/Widget.h"

#include <string>

class TiXmlElement;
struct TextResource;

class Text : public Widget {
public:
    Text(const std::string& widgetName, const TiXmlElement* element);

    bool MouseDown(const Point& p) override;
    void MouseDoubleClick(const Point& p) override;
    void Draw() override;
    void Reset() override;
    void AcceptMessage(const Message& message) override;

    float scale = 1.0f;
    std::string font = "ButtonActive";
    int align = 0; // 0 left, 1 right, 2 centre: where position lies on the string
    bool useResource = false;
    const TextResource* resource = nullptr; // a block of the GUI manager, not owned

private:
    void Load(const TiXmlElement* element);
    // Looks the block up; an unknown id leaves the display mode alone.
    void SelectResource(const std::string& id);
};

// The creator of "Text" elements.
Widget* CreateText(const TiXmlElement* element);
