#include "gui/controllers/WidgetMover.h"

#include "gui/ScreenImpl.h"
#include "gui/Widget.h"
#include "gui/controllers/ControllerFactory.h"

namespace {

int Advance(int from, int to, float t)
{
    return from + static_cast<int>(static_cast<float>(to - from) * t);
}

} // namespace

WidgetMover::WidgetMover(Widget* widget, const Point& to, bool popLayer)
    : _widget(widget)
    , _from(widget ? Point(widget->position.x, 600 - widget->position.y) : Point())
    , _to(to)
    , _popLayer(popLayer)
{
}

void WidgetMover::Update(float dt)
{
    if (!_widget)
        return;
    _widget->SetPosition(Point(Advance(_from.x, _to.x, _time), Advance(_from.y, _to.y, _time)));
    _time += dt * _speed;
}

bool WidgetMover::IsFinished()
{
    if (!_widget)
        return true;
    if (_time < 1.0f)
        return false;
    _widget->SetPosition(_to);
    if (_popLayer)
        Screen.popLayer();
    return true;
}

void WidgetMover::OnWidgetDeleted(const Widget* widget)
{
    if (widget != _widget)
        return;
    _widget = nullptr;
    _finished = true;
}

IController* CreateWidgetMover(VariableSet& variables)
{
    const char* kind = "WidgetMover";
    Widget* widget = RequiredWidgetArgument(variables, kind);
    if (!widget)
        return nullptr;
    const Point* to = RequiredArgument<Point>(variables, kind, "To");
    if (!to)
        return nullptr;
    const bool* popLayer = OptionalArgument<bool>(variables, kind, "PopLayer");
    return new WidgetMover(widget, *to, popLayer ? *popLayer : false);
}
