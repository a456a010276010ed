#pragma once

// The clock of a waiting splash: it runs only while the splash waits, and at
// three seconds dismisses it. It ends once its time is up and the splash no
// longer waits, or when its splash is deleted.

#include "gui/controllers/IController.h"

class SplashWait;

class SplashWaitController : public IController {
public:
    explicit SplashWaitController(SplashWait* splash) : _splash(splash) {}
    // The splash no longer reaches it.
    ~SplashWaitController() override;

    void Update(float dt) override;
    bool IsFinished() override;
    void OnWidgetDeleted(const Widget* widget) override;

    SplashWait* _splash;
};
