#pragma once

// The widgets that receive mouse and key input, by name (byte order): the
// widgets of the current layer, children included. An entry whose name is
// already present keeps its first widget.
//
// A layer's widgets are reached through their roots: moves and presses go to
// the widgets without a parent, which offer them to their children, so each
// gets one of each. A widget added on its own with Add gets them directly
// even when it has a parent: a box that a widget opens over itself, whose
// parent keeps its presses to itself.
//
// Every send goes over a snapshot of the names and looks each name up again,
// so a handler may add or remove entries while a send runs.

#include "engine/platform/InputListener.h"
#include "engine/util/Point.h"

#include <map>
#include <string>
#include <vector>

class Widget;

class InputMap : public InputListener {
public:
    // A widget put in by its own code.
    void Add(Widget* widget);
    // A widget of the current layer, reached through its root.
    void AddLayerWidget(Widget* widget);
    void Remove(const std::string& name);
    // Takes out every entry that is the widget or one of its descendants, by
    // pointer: the layer calls it before it deletes a widget.
    void RemoveWidget(const Widget* widget);
    void Clear() { _widgets.clear(); }

    // Points are in screen space (y upward).
    // Moves and presses go to the roots and to the widgets added on their
    // own; releases, double clicks and keys go to every entry.
    void SendMouseMove(const Point& p);
    void SendMouseDown(const Point& p);
    void SendMouseUp(const Point& p);
    void SendDoubleClick(const Point& p);
    // A "KeyPress" message with the code in decimal to every entry.
    void SendKeyPress(int code);

    // The window procedure's input: sends to the entries; Escape (27) and
    // Enter (13) also queue a message of that name.
    void OnMouseMove(const Point& p) override { SendMouseMove(p); }
    void OnMouseDown(const Point& p) override { SendMouseDown(p); }
    void OnMouseUp(const Point& p) override { SendMouseUp(p); }
    void OnDoubleClick(const Point& p) override { SendDoubleClick(p); }
    void OnCharacter(int code) override;

    Widget* Find(const std::string& name) const;
    bool Empty() const { return _widgets.empty(); }
    std::size_t Size() const { return _widgets.size(); }

private:
    struct Entry {
        Widget* widget;
        bool addedAlone;
    };

    std::vector<std::string> Names() const;
    // Whether moves and presses go to this entry itself.
    bool TakesPointerDirectly(const Entry& entry) const;

    std::map<std::string, Entry> _widgets;
};

extern InputMap g_inputWidgets;
