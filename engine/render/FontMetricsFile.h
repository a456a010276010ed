#pragma once

// The metrics file of a bitmap font ("font\<name>.txt"): six header lines
// ("ascent = %d", "descent = %d", "height = %d", "xOffset = %d",
// "yOffset = %d", "numChars = %d") and then one line per glyph
// ("char = %d; A = %d; B = %d; C = %d; x = %d; y = %d;"). Lines are taken by
// position; blanks around "=" and ";" are free and a CR before the line end
// is ignored.

#include <string>
#include <vector>

struct Glyph {
    int code = 0;
    int A = 0;
    int B = 0;
    int C = 0;
    int x = 0;
    int y = 0;
    // B + 2 x xOffset, worked out at load.
    int cellWidth = 0;
};

struct FontMetrics {
    int ascent = 0;
    int descent = 0;
    int height = 0;
    int xOffset = 0;
    int yOffset = 0;
    std::vector<Glyph> glyphs;
};

class FontMetricsFile {
public:
    // Reads the named file. False, with the reason in error, when it is
    // missing or garbled.
    static bool Read(const std::string& name, FontMetrics& metrics, std::string& error);
    // Parses the lines of a metrics file. A header line that does not match
    // its pattern, a negative glyph count, fewer glyph lines than the count
    // or a number beyond 32768 pixels either way make the file garbled. A
    // glyph line that does not match leaves that glyph zeroed.
    static bool Parse(const std::vector<std::string>& lines, FontMetrics& metrics, std::string& error);
};
