#include "gui/InputMap.h"

#include "gui/Message.h"
#include "gui/Widget.h"

void InputMap::Add(Widget* widget)
{
    if (widget)
        _widgets.emplace(widget->name, Entry{widget, true});
}

void InputMap::AddLayerWidget(Widget* widget)
{
    if (widget)
        _widgets.emplace(widget->name, Entry{widget, false});
}

void InputMap::Remove(const std::string& name)
{
    _widgets.erase(name);
}

namespace {

// Bounded by the number of links, guarding against a cycle in bad data.
constexpr int kMaxDepth = 64;

bool IsOrDescendsFrom(const Widget* candidate, const Widget* ancestor)
{
    for (int depth = 0; candidate && depth < kMaxDepth; ++depth, candidate = candidate->parent) {
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
        if (IsOrDescendsFrom(it->second.widget, widget))
            it = _widgets.erase(it);
        else
            ++it;
    }
}

Widget* InputMap::Find(const std::string& name) const
{
    const auto found = _widgets.find(name);
    return found == _widgets.end() ? nullptr : found->second.widget;
}

std::vector<std::string> InputMap::Names() const
{
    std::vector<std::string> names;
    names.reserve(_widgets.size());
    for (const auto& entry : _widgets)
        names.push_back(entry.first);
    return names;
}

bool InputMap::TakesPointerDirectly(const Entry& entry) const
{
    return !entry.widget->parent || entry.addedAlone;
}

void InputMap::SendMouseMove(const Point& p)
{
    for (const std::string& name : Names()) {
        const auto found = _widgets.find(name);
        if (found != _widgets.end() && TakesPointerDirectly(found->second))
            found->second.widget->MouseMove(p);
    }
}

void InputMap::SendMouseDown(const Point& p)
{
    for (const std::string& name : Names()) {
        const auto found = _widgets.find(name);
        if (found != _widgets.end() && TakesPointerDirectly(found->second))
            found->second.widget->MouseDown(p);
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

void InputMap::OnCharacter(int code)
{
    SendKeyPress(code);
    if (code == 27)
        PostMessage(Message("Escape"));
    else if (code == 13)
        PostMessage(Message("Enter"));
}
