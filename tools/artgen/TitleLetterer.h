#pragma once

// Letters a line of text from a TrueType face into a coverage mask, with
// kerning, so pictures can carry titles in the game's own type.

#include "tools/artgen/Mask.h"

#include <string>

class TitleLetterer {
public:
    explicit TitleLetterer(const std::string& faceFile);
    ~TitleLetterer();
    TitleLetterer(const TitleLetterer&) = delete;
    TitleLetterer& operator=(const TitleLetterer&) = delete;

    bool IsOpen() const { return _face != nullptr; }
    const std::string& Error() const { return _error; }

    // The text (Latin-1 bytes) at the pixel size, extra spacing between
    // letters in pixels; the mask is as wide as the line and as tall as the
    // face's ascent plus descent. Empty when the face is not open.
    Mask Render(const std::string& text, int pixelSize, int spacing = 0);

private:
    void* _library = nullptr;
    void* _face = nullptr;
    std::string _error;
};
