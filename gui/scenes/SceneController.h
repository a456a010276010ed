#pragma once

// Steps the scene of its LayeredAnimation widget every frame while the
// widget plays: every object gets the step, then the scene's "do" function
// is called with it. It never finishes while its widget lives; once the
// widget is deleted it forgets it and finishes.

#include "gui/controllers/IController.h"

class LayeredAnimation;

class SceneController : public IController {
public:
    explicit SceneController(LayeredAnimation* widget) : _widget(widget) {}

    void Update(float dt) override;
    bool IsFinished() override { return _widget == nullptr; }
    void OnWidgetDeleted(const Widget* widget) override;

    LayeredAnimation* _widget;
};
