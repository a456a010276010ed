#pragma once

// The clock of a screenshot slide show: its time runs at 0.2 a second; at 1
// it starts again and the view moves on to the next picture. It never
// finishes while its view lives, and stops when the view goes.

#include "gui/controllers/IController.h"

class SSView;

class SSViewSlideshow : public IController {
public:
    explicit SSViewSlideshow(SSView* view);
    ~SSViewSlideshow() override;

    void Update(float dt) override;
    bool IsFinished() override { return _finished || !_view; }
    void OnWidgetDeleted(const Widget* widget) override;
    // The view is going: forget it and finish.
    void Forget();

private:
    SSView* _view;
};
