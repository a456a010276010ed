#pragma once

// Renders the glyphs of a TrueType face with FreeType and packs them into
// one picture with the metrics that place each glyph. Glyphs are drawn in
// their fill colour with the coverage as alpha (white fill lets the engine
// colour the text), optionally inside an outline of another colour.

#include "tools/fontgen/FontMetrics.h"

#include <cstdint>
#include <string>
#include <vector>

struct FontStyle {
    std::string fontFile;
    int pixelSize = 16;
    int outline = 0;                    // outline width in pixels
    std::uint32_t fill = 0xFFFFFF;      // RRGGBB
    std::uint32_t outlineColour = 0x000000;
};

struct FontPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba; // rows from the top
};

// The character codes a font holds: 32-126 and 160-255 (Latin-1, so the
// code is the Unicode code point).
std::vector<int> FontCharacterCodes();

class BitmapFontBuilder {
public:
    // False with a reason when the face cannot be opened or rendered.
    bool Build(const FontStyle& style, fontgen::FontMetrics& metrics, FontPicture& picture, std::string& error);
};
