#include "engine/platform/InputMap.h"

#include "gui/Message.h"
#include "gui/Widget.h"

void InputMap::Add(Widget* widget)
{
    if (widget)
        _widgets.emplace(widget->name, widget);
}

void InputMap::Remove(const std::string& name)
{
    _widgets.erase(name);
}

namespace {
bool IsOrDescendsFrom(const Widget* candidate, const Widget* ancestor)
{
    // Bounded by the number of links, guarding against a cycle in bad data.
    for (int depth = 0; candidate && depth < 64; ++depth, candidate = candidate->parent) {
        if (candidate == ancestor)
            return true;
    }
    return false;
}
} // namespace

void InputMap::RemoveWidget(const Widget* widget)
{
    if (!widget)
        return;
    for (auto it = _widgets.begin(); it != _widgets.end();) {
        if (IsOrDescendsFrom(it->second, widget))
            it = _widgets.erase(it);
        else
            ++it;
    }
}

Widget* InputMap::Find(const std::string& name) const
{
    const auto found = _widgets.find(name);
    return found == _widgets.end() ? nullptr : found->second;
}

std::vector<std::string> InputMap::Names() const
{
    std::vector<std::string> names;
    names.reserve(_widgets.size());
    for (const auto& entry : _widgets)
        names.push_back(entry.first);
    return names;
}

void InputMap::SendMouseMove(const Point& p)
{
    for (const std::string& name : Names()) {
        Widget* widget = Find(name);
        if (widget && !widget->parent)
            widget->MouseMove(p);
    }
}

void InputMap::SendMouseDown(const Point& p)
{
    for (const std::string& name : Names()) {
        Widget* widget = Find(name);
        if (widget && !widget->parent)
            widget->MouseDown(p);
    }
}

void InputMap::SendMouseUp(const Point& p)
{
    for (const std::string& name : Names()) {
        if (Widget* widget = Find(name))
            widget->MouseUp(p);
    }
}

void InputMap::SendDoubleClick(const Point& p)
{
    for (const std::string& name : Names()) {
        if (Widget* widget = Find(name))
            widget->MouseDoubleClick(p);
    }
}

void InputMap::SendKeyPress(int code)
{
    const Message message("KeyPress", std::to_string(code));
    for (const std::string& name : Names()) {
        if (Widget* widget = Find(name))
            widget->AcceptMessage(message);
    }
}
