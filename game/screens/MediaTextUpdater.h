#pragma once

// Moves the media text of its widget on every frame. It never finishes while
// its widget lives; once the widget is deleted it forgets it and finishes.

#include "gui/controllers/IController.h"

class TestWidget;

class MediaTextUpdater : public IController {
public:
    explicit MediaTextUpdater(TestWidget* widget) : _widget(widget) {}

    void Update(float dt) override;
    bool IsFinished() override { return _widget == nullptr; }
    void OnWidgetDeleted(const Widget* widget) override;

    TestWidget* _widget;
};
