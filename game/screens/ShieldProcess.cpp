#include "game/screens/ShieldProcess.h"

#include "game/screens/Shield.h"

void ShieldProcess::OnWidgetDeleted(const Widget* widget)
{
    if (!widget || widget != _shield)
        return;
    _shield = nullptr;
    _finished = true;
}
