#include "game/screens/MapProcess.h"

#include "game/screens/Map.h"

void MapProcess::OnWidgetDeleted(const Widget* widget)
{
    if (!widget || widget != _map)
        return;
    _map = nullptr;
    _finished = true;
}
