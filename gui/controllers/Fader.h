#pragma once

// Fades a widget and its direct children from their colour to a target
// colour in half a second (at the default speed). When done it may pop the
// screen's layer stack and call a script function; then the input map is
// rebuilt from the current layer and the mouse position is re-sent.

#include "engine/util/Color.h"
#include "gui/VariableSet.h"
#include "gui/controllers/IController.h"

#include <string>

class Widget;

class Fader : public IController {
public:
    // For code: no end handler; the input map is left alone.
    Fader(Widget* widget, const Color& to, bool popLayer, float speed);

    void Update(float dt) override;
    bool IsFinished() override;
    void OnWidgetDeleted(const Widget* widget) override;

    // A script's fader: the input map is emptied while it runs.
    void SetEndHandler(const std::string& function);

    Color _from;
    Color _to;
    Widget* _widget;
    bool _popLayer;
    bool _hasEndHandler = false;
    std::string _endHandler;
    float _speed;
};

// "Widget" (widget) and "To" (colour) are required; "PopLayer" (bool) and
// "EndHandler" (string) are optional. Clears the input map.
IController* CreateFader(VariableSet& variables);
