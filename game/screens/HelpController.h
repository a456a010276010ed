#pragma once

// The help screen's clock: while running it starts, advances and ends the
// show's steps, restarts the show at its duration and halts it once every
// step has ended. It never finishes by itself; it stops touching the screen
// once the screen has gone.

#include "gui/controllers/IController.h"

class Help;

class HelpController : public IController {
public:
    explicit HelpController(Help* help) : IController("HelpController"), _help(help) {}
    ~HelpController() override;

    void Update(float dt) override;
    bool IsFinished() override { return _finished; }
    void OnWidgetDeleted(const Widget* widget) override;

private:
    void Step(float dt);

public:

    Help* _help;
    bool _updating = false;
    float time = 0.0f;
    bool running = false;
};
