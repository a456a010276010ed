#pragma once

// The animation of the books of pages, made by the story widget: while a
// book is shown it moves that book's current page, swims the fish, drifts
// the two lights over the arch and runs the blink of "Click to continue".
// It runs as long as its story widget; once that widget is deleted it
// forgets it and finishes.

#include "gui/effects/ColorDrift.h"
#include "gui/controllers/IController.h"

class History;

class HistoryController : public IController {
public:
    // Starts both lights (the first, then the second).
    explicit HistoryController(History* history);
    // The books no longer reach it.
    ~HistoryController() override;

    void Update(float dt) override;
    bool IsFinished() override { return _history == nullptr; }
    void OnWidgetDeleted(const Widget* widget) override;

    History* _history;
    // 0 to 1, once round a second.
    float _blink = 0.0f;
    ColorDrift _lights[2];
};
