#pragma once

// A window of a fixed number of text rows over a list of player names. A
// press selects a row, a double click posts "DoubleClick"; "Add", "Set" and
// "Delete" change the list, "ScrollUp" and "ScrollDown" move the window one
// row with a short animation, and the two scroll buttons of the layer are
// kept enabled or disabled with "Active". The selected row glows; the row
// under the mouse shows the stage tip of the player whose name it holds.

#include "gui/Widget.h"

#include <string>
#include <vector>

class Player;
class Sprite;
class TiXmlElement;

class ListBox : public Widget {
public:
    ListBox(const std::string& widgetName, const TiXmlElement* element);
    // Ends a running scroll, which must not reach the list box any more.
    ~ListBox() override;

    bool MouseDown(const Point& p) override;
    void MouseDoubleClick(const Point& p) override;
    void MouseMove(const Point& p) override;
    void Draw() override;
    void Reset() override;
    void AcceptMessage(const Message& message) override;
    Message QueryState(const Message& message) override;

    // Sends ("Active", 1 or 0) to the scroll buttons of the widget's layer.
    void UpdateButtons();
    // Makes the first item equal to text the bottom row (or, near the start
    // of the list, its own row) and selects it.
    void SelectItem(const std::string& text);
    // The tip of the hovered profile in the rectangle, drawn in the colour.
    void DrawStageTip(const Rect& r, const Color& k);
    // The visible row containing p, or -1.
    int RowAt(const Point& p) const;
    // The tip picture of the player's progress (null when missing).
    static Sprite* TipPicture(const Player& player);

    std::vector<std::string> items;
    std::string activeFont = "ButtonActive";
    std::string normalFont = "ButtonNormal";
    std::string buttonScrollUp;
    std::string buttonScrollDown;
    int step = 52;
    int numOfItems = 3;
    int firstItem = 0;
    int scrollOffset = 0;
    int fadeAlpha = 0;
    int selectedRow = 0;
    int hoverRow = -1;
    bool busy = false;

private:
    void StartScroll(bool towardEnd);
    int ItemCount() const { return static_cast<int>(items.size()); }
};
