#pragma once

// Slides a widget (with its direct children) from where it is to a point in
// one second, y counted downward; may pop the screen's layer stack when done.

#include "engine/util/Point.h"
#include "gui/VariableSet.h"
#include "gui/controllers/IController.h"

class Widget;

class WidgetMover : public IController {
public:
    // to: the end point with y counted downward from the top of the screen.
    WidgetMover(Widget* widget, const Point& to, bool popLayer);

    void Update(float dt) override;
    bool IsFinished() override;
    void OnWidgetDeleted(const Widget* widget) override;

    Widget* _widget;
    Point _from; // y counted downward
    Point _to;   // y counted downward
    float _speed = 1.0f;
    bool _popLayer;
};

// "Widget" (widget) and "To" (point) are required; "PopLayer" (bool) is optional.
IController* CreateWidgetMover(VariableSet& variables);
