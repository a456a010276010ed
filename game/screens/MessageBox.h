#pragma once

// The in-game message window: a tiled frame with a drop shadow, one text
// from Messages.xml, and under it a check box ("MessageBoxBtn1") and a
// button ("MessageBoxBtn2") from buttons.xml. It pops in and out with the
// alpha of its colour, which its owner changes. It posts nothing itself:
// its check box posts "Change" and its button "down" and "press" under
// their own names, and the owner of the box reacts to those.
//
// The box owns its buttons; they are not its children. Its rectangle is the
// frame (both sides multiples of 40), y upward.

#include "engine/util/SplinePath.h"
#include "game/state/GameInfo.h"
#include "gui/TextResource.h"
#include "gui/Widget.h"

#include <memory>
#include <string>

class Button;
class CheckBox;
class Sprite;

// The frame's size and the button row's layout for a text and two buttons
// (an absent part counts 0).
struct MessageBoxLayout {
    int rowHeight = 0; // the taller button, cut down to a multiple of 40
    int labelSpan = 0; // the check box's width + 120
    int width = 0;
    int height = 0;
};
MessageBoxLayout ComputeMessageBoxLayout(int textWidth, int textHeight, int checkBoxWidth, int checkBoxHeight,
                                         int buttonWidth, int buttonHeight);

class MessageBox : public Widget {
public:
    static constexpr int kTile = 40;

    // name is the widget's name and the message it shows. The check box
    // starts in the state of the player's hints.
    explicit MessageBox(const std::string& name, GameInfo& info = gameInfo);
    ~MessageBox() override;

    // The button takes a press first, then the check box, then the frame.
    bool MouseDown(const Point& p) override;
    void MouseUp(const Point& p) override;
    void MouseMove(const Point& p) override;
    void Draw() override;

    // Puts the frame's corner (y upward) at p, the buttons in its bottom row.
    void SetPosition(const Point& p);

    // The check box the owner asks for its state after a press (null
    // without buttons.xml's check box); it goes with the box.
    CheckBox* GetCheckBox() const { return _checkBox.get(); }
    Button* GetButton() const { return _button.get(); }
    const TextBlock* GetTextBlock() const { return _text.get(); }
    const MessageBoxLayout& Layout() const { return _layout; }
    const Point& Anchor() const { return _anchor; }
    // Recomputed by each draw from the widget's alpha.
    float ShadowOffset() const { return _shadowOffset; }
    float Scale() const { return _scale; }

    // The nine-cell frame in the box's own space, with the bound picture.
    void DrawFrame(const Sprite& picture) const;

private:
    void PlaceButtons();
    // The point handed to the buttons: the mouse moved back by the box's offset.
    Point ToButtons(const Point& p) const;
    void DrawButton(Widget& button, int centreWidth, float scale);

    std::unique_ptr<TextBlock> _text;
    Sprite* _tiles = nullptr;
    Sprite* _shadow = nullptr;
    MessageBoxLayout _layout;
    float _shadowOffset = 0.0f;
    float _boxOffsetX = 0.0f;
    float _boxOffsetY = 0.0f;
    float _scale = 1.0f;
    SplinePath<float> _shadowCurve;
    SplinePath<float> _scaleCurve;
    std::unique_ptr<CheckBox> _checkBox;
    std::unique_ptr<Button> _button;
    Point _anchor{100, 100};
};
