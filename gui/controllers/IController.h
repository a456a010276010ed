#pragma once

// The base of everything that changes over time. The controller manager
// advances each one once per frame and deletes it after it reports finished.

#include <string>

class Widget;

class IController {
public:
    IController() : _name("noname") {}
    explicit IController(std::string name) : _name(std::move(name)) {}
    virtual ~IController() = default;
    IController(const IController&) = delete;
    IController& operator=(const IController&) = delete;

    // Advance by dt seconds.
    virtual void Update(float dt) = 0;
    // Whether the controller has ended; end-of-run work may be done here the
    // first time it returns true.
    virtual bool IsFinished() = 0;

    // The widget is about to be deleted: a controller that points at it
    // forgets it and finishes without touching it again.
    virtual void OnWidgetDeleted(const Widget* widget) {}

    std::string GetName() const { return _name; }

    std::string _name;
    float _time = 0.0f;
    bool _finished = false;
    bool _paused = false;
};
