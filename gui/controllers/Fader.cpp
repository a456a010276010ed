#include "gui/controllers/Fader.h"

#include "gui/InputMap.h"
#include "engine/platform/InputState.h"
#include "engine/script/ScriptHost.h"
#include "gui/ScreenImpl.h"
#include "gui/Widget.h"
#include "gui/controllers/ControllerFactory.h"

Fader::Fader(Widget* widget, const Color& to, bool popLayer, float speed)
    : _from(widget ? widget->color : Color())
    , _to(to)
    , _widget(widget)
    , _popLayer(popLayer)
    , _speed(speed)
{
}

void Fader::SetEndHandler(const std::string& function)
{
    _hasEndHandler = true;
    _endHandler = function;
}

void Fader::Update(float dt)
{
    if (!_widget)
        return;
    _widget->setColor(LerpColor(_from, _to, _time));
    _time += dt * _speed;
}

bool Fader::IsFinished()
{
    if (!_widget)
        return true;
    if (_time < 1.0f)
        return false;
    if (_popLayer)
        Screen.popLayer();
    if (_hasEndHandler)
        CallScriptFunction(_endHandler);
    if (_widget)
        _widget->setColor(_to);
    // The fade took the input away; whatever layer is current now gets it back.
    Screen.RestoreInput();
    g_inputWidgets.SendMouseMove(g_input.ScreenPoint());
    return true;
}

void Fader::OnWidgetDeleted(const Widget* widget)
{
    if (widget != _widget)
        return;
    _widget = nullptr;
    _finished = true;
}

IController* CreateFader(VariableSet& variables)
{
    const char* kind = "Fader";
    Widget* widget = RequiredWidgetArgument(variables, kind);
    if (!widget)
        return nullptr;
    const Color* to = RequiredArgument<Color>(variables, kind, "To");
    if (!to)
        return nullptr;
    const bool* popLayer = OptionalArgument<bool>(variables, kind, "PopLayer");
    auto* fader = new Fader(widget, *to, popLayer ? *popLayer : false, 2.0f);
    if (const std::string* handler = OptionalArgument<std::string>(variables, kind, "EndHandler"))
        fader->SetEndHandler(*handler);
    g_inputWidgets.Clear();
    return fader;
}
