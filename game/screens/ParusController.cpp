#include "game/screens/ParusController.h"

#include "game/screens/Parus.h"

void ParusController::Update(float dt)
{
    if (!_parus)
        return;
    _time += 2.0f * dt;
    _parus->t = _time;
    _parus->Update(dt);
}

void ParusController::OnWidgetDeleted(const Widget* widget)
{
    if (widget && widget == _parus)
        _parus = nullptr;
}
