#pragma once

// The tip window's controller: it opens a message box over the board, holds
// the board's moving parts still while the box is up, fades the box in, and
// once the board's tip is closed fades it out, lets the board move again and
// removes the box.
//
// The box lives in the board's layer (or, for a board without one, in the
// controller) under the name kTipBoxName; its check box is renamed
// kTipBoxCheckName and kept in the board's _tipBoxValue while the box is up.

#include "engine/util/Point.h"
#include "game/board/FieldController.h"

#include <memory>
#include <string>

class MessageBox;

// The names the open tip box and its check box go by.
constexpr const char* kTipBoxName = "TipBox";
constexpr const char* kTipBoxCheckName = "TipBoxCheck";

class ShowMessage : public FieldController {
public:
    static constexpr float kFadeIn = 0.5f;
    static constexpr float kFadeOut = 0.25f;

    // Builds the box for the tip of that name and places it at the point.
    ShowMessage(const std::string& tipName, int x, int y, GameField* field, bool placeNear);
    // Takes the box away and lets every held controller run again.
    ~ShowMessage() override;

    void Update(float dt) override;
    bool IsFinished() override;
    void OnWidgetDeleted(const Widget* widget) override;

    // The corner (y upward) of a box of size w x h for the point (x, y): centred
    // on it, or near it (above it, or beside it at a screen edge). tipX is the
    // x of the board's tip point.
    static Point PlaceBox(int x, int y, int w, int h, bool placeNear, int tipX);

    MessageBox* Box() const { return _box; }
    const std::string& TipName() const { return _tipName; }

protected:
    void OnFieldGone() override;

private:
    void AttachBox();
    // The board forgets the box: no child, no check box to ask.
    void UnlinkBox();
    void DetachBox();
    void SetBoxAlpha(int alpha);

    std::string _tipName;
    MessageBox* _box = nullptr;
    // The box when no layer took it.
    std::unique_ptr<MessageBox> _ownedBox;
    bool _closingNotStarted = true;
};
