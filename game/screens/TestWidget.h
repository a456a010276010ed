#pragma once

// The media text of the opening splash (layer files name it "TestWidget"):
// the text of mediaText.xml zooming and fading over the five seconds after
// the widget is made. Without a readable file it draws nothing.

#include "gui/Widget.h"

#include <memory>

class MediaText;
class TiXmlElement;

class TestWidget : public Widget {
public:
    // Starts its updater, then reads mediaText.xml.
    TestWidget(const std::string& widgetName, const TiXmlElement* element);
    // Its updater stops with it.
    ~TestWidget() override;

    void Draw() override;

    std::unique_ptr<MediaText> _media;
};

Widget* CreateTestWidget(const TiXmlElement* element);
