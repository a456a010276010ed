#pragma once

// A splash that goes on at a click or by itself (layer files name it
// "SplashWait"). It waits for nothing until a script sends "View" once its
// picture is up; from then on the first click, or three seconds without
// one, posts ("Panel", "press") exactly once. Every "View" starts the three
// seconds afresh, so a splash shown again waits as long as the first time.

#include "gui/Widget.h"

class SplashWaitController;
class TiXmlElement;

class SplashWait : public Widget {
public:
    static constexpr float kWaitSeconds = 3.0f;

    SplashWait(const std::string& widgetName, const TiXmlElement* element);
    // Its controller stops with it.
    ~SplashWait() override;

    void MouseUp(const Point& p) override;
    void AcceptMessage(const Message& message) override;

    // Posts ("Panel", "press") and stops waiting; nothing while it is not
    // waiting.
    void Dismiss();

    bool _dismissable = false;
    // Owned by the controller manager; cleared when it is deleted.
    SplashWaitController* _controller = nullptr;

private:
    void StartController();
};

Widget* CreateSplashWait(const TiXmlElement* element);
