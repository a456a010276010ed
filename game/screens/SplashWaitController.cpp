#include "game/screens/SplashWaitController.h"

#include "game/screens/SplashWait.h"

SplashWaitController::~SplashWaitController()
{
    if (_splash && _splash->_controller == this)
        _splash->_controller = nullptr;
}

void SplashWaitController::Update(float dt)
{
    if (!_splash || !_splash->_dismissable)
        return;
    _time += dt;
    if (_time >= SplashWait::kWaitSeconds)
        _splash->Dismiss();
}

bool SplashWaitController::IsFinished()
{
    return !_splash || (_time >= SplashWait::kWaitSeconds && !_splash->_dismissable);
}

void SplashWaitController::OnWidgetDeleted(const Widget* widget)
{
    if (widget && widget == _splash)
        _splash = nullptr;
}
