#pragma once

// A plain widget kind for layer tests: "TestBox" elements with the
// attributes "x", "y" (top-down, the box's top-left corner), "width" and
// "height". Counts its creations and records its mouse moves and messages.

#include "gui/Widget.h"
#include "gui/WidgetFactory.h"

#include <tinyxml.h>

#include <string>
#include <vector>

class TestBox : public Widget {
public:
    TestBox(const std::string& widgetName, const TiXmlElement* element) : Widget(widgetName)
    {
        ++Created();
        int x = 0, y = 0, w = 0, h = 0;
        element->QueryIntAttribute("x", &x);
        element->QueryIntAttribute("y", &y);
        element->QueryIntAttribute("width", &w);
        element->QueryIntAttribute("height", &h);
        size = Point(w, h);
        position = Point(x, 600 - y - h);
        offset = position;
        rect = Rect(position, size);
    }

    void MouseMove(const Point& p) override
    {
        ++mouseMoves;
        Widget::MouseMove(p);
    }
    void AcceptMessage(const Message& message) override { messages.push_back(message.publisher + ":" + message.data); }

    static int& Created()
    {
        static int count = 0;
        return count;
    }
    static void Register() { g_widgetFactory.Register("TestBox", CreateWidgetOfKind<TestBox>); }

    int mouseMoves = 0;
    std::vector<std::string> messages;
};
