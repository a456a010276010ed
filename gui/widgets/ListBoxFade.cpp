#include "gui/widgets/ListBoxFade.h"

#include "gui/widgets/ListBox.h"

#include <algorithm>

ListBoxFade::ListBoxFade(ListBox* box, bool towardEnd, float seconds)
    : listBox(box)
    , forward(towardEnd)
    , duration(seconds)
{
    listBox->busy = true;
}

void ListBoxFade::Update(float dt)
{
    if (!listBox)
        return;
    const float r = _time / duration;
    const int offset = std::max(static_cast<int>(r * static_cast<float>(listBox->step)), 1);
    listBox->scrollOffset = forward ? offset : -offset;
    listBox->fadeAlpha = static_cast<int>(r * 255.0f);
    _time += dt;
}

bool ListBoxFade::IsFinished()
{
    if (!listBox)
        return true;
    if (_time < duration)
        return false;
    ListBox& box = *listBox;
    box.scrollOffset = 0;
    if (forward) {
        box.firstItem += 1;
        box.selectedRow = std::max(box.selectedRow - 1, 0);
    } else {
        box.firstItem -= 1;
        box.selectedRow = std::min(box.selectedRow, box.numOfItems - 1);
    }
    box.busy = false;
    listBox = nullptr;
    box.UpdateButtons();
    return true;
}

void ListBoxFade::OnWidgetDeleted(const Widget* widget)
{
    if (widget != listBox)
        return;
    listBox = nullptr;
    _finished = true;
}
