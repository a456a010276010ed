#include "game/screens/MultListUpdater.h"

#include "game/screens/MultList.h"

MultListUpdater::~MultListUpdater()
{
    if (_list && _list->_updater == this)
        _list->_updater = nullptr;
}

void MultListUpdater::Update(float dt)
{
    if (_list)
        _list->Update(dt);
}

void MultListUpdater::OnWidgetDeleted(const Widget* widget)
{
    if (widget && widget == _list)
        _list = nullptr;
}
