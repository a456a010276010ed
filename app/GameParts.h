#pragma once

// The screen framework and the game's part of the application's start: the
// text variables and type names of the framework (with the board's creator
// and the widget kinds of the screens and of the main menu), the script API,
// the artefact catalogue and the effect observer.

#include "engine/platform/ApplicationParts.h"

class GameParts : public ApplicationParts {
public:
    void PrepareFramework() override;
    void LoadGameData() override;
    void BeginLoop() override;
};

// The game state's exit confirmations go to the widget of that name in the
// layer of that name, as a "SetText" message.
void ConnectConfirmationTexts();
