#include "game/screens/SplashWait.h"

#include "game/screens/SplashWaitController.h"
#include "gui/WidgetFactory.h"
#include "gui/controllers/ControllerManager.h"

SplashWait::SplashWait(const std::string& widgetName, const TiXmlElement*) : Widget(widgetName)
{
    StartController();
}

SplashWait::~SplashWait()
{
    kernel.StopControllersOf(this);
}

void SplashWait::StartController()
{
    _controller = new SplashWaitController(this);
    kernel.AddController(_controller);
}

void SplashWait::MouseUp(const Point&)
{
    Dismiss();
}

void SplashWait::Dismiss()
{
    if (!_dismissable)
        return;
    PostMessage(Message("Panel", "press"));
    _dismissable = false;
}

void SplashWait::AcceptMessage(const Message& message)
{
    if (!message.is("View"))
        return;
    _dismissable = true;
    // The wait starts again: on the running clock, or on a new one when the
    // last has ended.
    if (_controller && !_controller->_finished)
        _controller->_time = 0.0f;
    else
        StartController();
}

Widget* CreateSplashWait(const TiXmlElement* element)
{
    return CreateWidgetOfKind<SplashWait>(element);
}
