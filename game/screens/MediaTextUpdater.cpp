#include "game/screens/MediaTextUpdater.h"

#include "game/screens/MediaText.h"
#include "game/screens/TestWidget.h"

void MediaTextUpdater::Update(float dt)
{
    if (!_widget)
        return;
    if (_widget->_media)
        _widget->_media->Advance(dt);
    _time += dt;
}

void MediaTextUpdater::OnWidgetDeleted(const Widget* widget)
{
    if (widget && widget == _widget)
        _widget = nullptr;
}
