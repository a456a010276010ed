#pragma once

#include <string>

// The publisher-logo button animates itself: the main loop updates it once
// per frame, after the controllers and the sound. The main menu turns it off
// (hidden, deaf to the mouse) while its hi-score panel is out, and on again.

class UpdatableLogo {
public:
    virtual ~UpdatableLogo() = default;
    virtual void Update(float step) = 0;
    virtual void SetEnabled(bool enabled) = 0;
};

// Set by the newest logo widget; cleared by that widget when it goes. The
// main loop reads it every frame.
extern UpdatableLogo* g_logoWidget;

// Opens a file with the desktop's "open" action when it can be read.
void OpenFileIfExists(const std::string& path);
