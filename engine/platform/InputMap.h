#pragma once

// The widgets that receive mouse and key input, by name (byte order): the
// widgets of the current layer, children included. An entry whose name is
// already present keeps its first widget.
//
// Every send goes over a snapshot of the names and looks each name up again,
// so a handler may add or remove entries while a send runs.

#include "engine/util/Point.h"

#include <map>
#include <string>
#include <vector>

class Widget;

class InputMap {
public:
    void Add(Widget* widget);
    void Remove(const std::string& name);
    // Takes out every entry that is the widget or one of its descendants, by
    // pointer: the layer calls it before it deletes a widget.
    void RemoveWidget(const Widget* widget);
    void Clear() { _widgets.clear(); }

    // Points are in screen space (y upward).
    // Moves and presses go to the widgets without a parent; each offers them
    // to its children itself, so every widget gets one of each.
    void SendMouseMove(const Point& p);
    void SendMouseDown(const Point& p);
    void SendMouseUp(const Point& p);
    void SendDoubleClick(const Point& p);
    // A "KeyPress" message with the code in decimal to every entry.
    void SendKeyPress(int code);

    Widget* Find(const std::string& name) const;
    bool Empty() const { return _widgets.empty(); }
    std::size_t Size() const { return _widgets.size(); }

private:
    std::vector<std::string> Names() const;

    std::map<std::string, Widget*> _widgets;
};

extern InputMap g_inputWidgets;
