#pragma once

#include <string>

// The publisher-logo button animates itself: the main loop updates it once
// per frame, after the controllers and the sound.

class UpdatableLogo {
public:
    virtual ~UpdatableLogo() = default;
    virtual void Update(float step) = 0;
};

// Set by the logo widget while it exists; the main loop reads it every frame.
extern UpdatableLogo* g_logoWidget;

// Opens a file with the desktop's "open" action when it can be read.
void OpenFileIfExists(const std::string& path);
