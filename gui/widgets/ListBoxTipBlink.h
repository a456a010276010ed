#pragma once

// The one controller shared by every list box: the pulse of the selected
// row's glow, and the fade-in of the stage tip of the hovered profile, whose
// name it keeps (the profile is looked up by name whenever the tip is drawn).

#include "gui/controllers/IController.h"

#include <string>

class Sprite;

class ListBoxTipBlink : public IController {
public:
    static constexpr int kTipPictureCount = 8;

    // Looks the tip pictures "#TipShtuka0" to "#TipShtuka7" up.
    ListBoxTipBlink();

    void Update(float dt) override;
    bool IsFinished() override { return false; }

    int alpha = 0;
    bool phase = true;
    float blinkTime = 0.0f;
    int tipAlpha = 0;
    int tipState = -1; // -1 hidden, 0 fading in, 1 shown
    float tipTime = 0.0f;

    // Set by the first hover of a row with an item.
    bool hasTipPlayer = false;
    std::string tipPlayerName;
    // Picture n for stage n + 1, picture 7 for every stage after the first
    // cycle; missing ones are null.
    Sprite* tipPictures[kTipPictureCount] = {};
};

// Made and added to the controller manager by the first list box; null
// before that.
extern ListBoxTipBlink* g_listBoxTipBlink;
