#pragma once

// Runs the gallery list's highlights every frame. It never finishes while
// its list lives; once the list is deleted it forgets it and finishes.

#include "gui/controllers/IController.h"

class MultList;

class MultListUpdater : public IController {
public:
    explicit MultListUpdater(MultList* list) : IController("MultListUpdater"), _list(list) {}
    // The list no longer reaches it.
    ~MultListUpdater() override;

    void Update(float dt) override;
    bool IsFinished() override { return _list == nullptr; }
    void OnWidgetDeleted(const Widget* widget) override;

    MultList* _list;
};
