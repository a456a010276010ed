#pragma once

// A widget that writes every input it receives into a shared journal as
// "name:event".

#include "engine/platform/InputState.h"
#include "gui/Widget.h"

#include <string>
#include <vector>

using Journal = std::vector<std::string>;

class RecordingWidget : public Widget {
public:
    RecordingWidget(const std::string& widgetName, const Rect& area, Journal& journal)
        : Widget(widgetName, area)
        , _journal(journal)
    {
    }

    bool MouseDown(const Point& p) override
    {
        _journal.push_back(name + ":down" + (g_input.rightButton ? "(right)" : ""));
        return Widget::MouseDown(p);
    }
    void MouseDoubleClick(const Point&) override { _journal.push_back(name + ":double"); }
    void MouseUp(const Point& p) override
    {
        _journal.push_back(name + ":up");
        Widget::MouseUp(p);
    }
    void MouseMove(const Point& p) override
    {
        if (recordMoves)
            _journal.push_back(name + ":move " + std::to_string(p.x) + "," + std::to_string(p.y));
        Widget::MouseMove(p);
    }
    void AcceptMessage(const Message& message) override
    {
        _journal.push_back(name + ":" + message.getPublisher() + " " + message.getData());
    }

    bool recordMoves = true;

private:
    Journal& _journal;
};

