#pragma once

// The metrics text file of a bitmap font: six header lines, then one line
// per glyph with its ABC widths and the baseline position of its cell in
// the picture. The engine reads the lines by position with fixed patterns.

#include <string>
#include <vector>

namespace fontgen {

struct GlyphMetrics {
    int code = 0;
    int a = 0; // from the pen to the left of the ink
    int b = 0; // ink width
    int c = 0; // from the right of the ink to the next pen position
    int x = 0; // left column of the cell in the picture
    int y = 0; // baseline row of the cell in the picture
};

// A cell spans columns x .. x + b + 2 * xOffset and rows
// y + descent + 2 * yOffset - height .. y + descent + 2 * yOffset.
struct FontMetrics {
    int ascent = 0;
    int descent = 0;
    int height = 0;
    int xOffset = 0;
    int yOffset = 0;
    std::vector<GlyphMetrics> glyphs;
};

// The file's text, lines ended by "\n".
std::string FormatFontMetrics(const FontMetrics& metrics);

} // namespace fontgen
