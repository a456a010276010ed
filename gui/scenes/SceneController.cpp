#include "gui/scenes/SceneController.h"

#include "gui/scenes/LayeredAnimation.h"
#include "gui/scenes/LayerSet.h"

void SceneController::Update(float dt)
{
    if (!_widget || !_widget->scene || !_widget->playing)
        return;
    LayerSet* scene = _widget->scene;
    scene->Update(dt);
    scene->CallDo(dt);
}

void SceneController::OnWidgetDeleted(const Widget* widget)
{
    if (widget == _widget)
        _widget = nullptr;
}
