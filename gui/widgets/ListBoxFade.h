#pragma once

// The 0.2-second scroll of a list box by one row: it moves the rows and
// fades the leaving and entering ones, then moves the window.

#include "gui/controllers/IController.h"

class ListBox;

class ListBoxFade : public IController {
public:
    // Marks the list box busy.
    ListBoxFade(ListBox* box, bool towardEnd, float seconds);

    void Update(float dt) override;
    // At the end moves the window by one row and updates the scroll buttons.
    bool IsFinished() override;
    // The list box is going away: the fade ends without touching it.
    void OnWidgetDeleted(const Widget* widget) override;

    // Null once the list box has gone: the fade then ends at once.
    ListBox* listBox;
    bool forward;
    float duration;
};
