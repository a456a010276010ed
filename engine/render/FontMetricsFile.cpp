#include "engine/render/FontMetricsFile.h"

#include "engine/util/FileSystem.h"

#include <cstdio>

bool FontMetricsFile::Read(const std::string& name, FontMetrics& metrics, std::string& error)
{
    std::vector<std::string> lines;
    if (!ReadTextLines(name, lines)) {
        error = "Can't open " + name;
        return false;
    }
    return Parse(lines, metrics, error);
}

bool FontMetricsFile::Parse(const std::vector<std::string>& lines, FontMetrics& metrics, std::string& error)
{
    static const char* const kHeader[6] = {"ascent = %d",  "descent = %d", "height = %d",
                                           "xOffset = %d", "yOffset = %d", "numChars = %d"};
    int values[6] = {0, 0, 0, 0, 0, 0};
    for (int i = 0; i < 6; ++i) {
        if (static_cast<std::size_t>(i) >= lines.size()) {
            error = "the header ends after " + std::to_string(i) + " lines";
            return false;
        }
        if (std::sscanf(lines[static_cast<std::size_t>(i)].c_str(), kHeader[i], &values[i]) != 1) {
            error = "header line " + std::to_string(i + 1) + " does not read \"" + kHeader[i] + "\"";
            return false;
        }
    }
    const int count = values[5];
    if (count < 0) {
        error = "a negative glyph count";
        return false;
    }
    if (lines.size() - 6 < static_cast<std::size_t>(count)) {
        error = "numChars = " + std::to_string(count) + " but " + std::to_string(lines.size() - 6) + " glyph lines";
        return false;
    }
    metrics.ascent = values[0];
    metrics.descent = values[1];
    metrics.height = values[2];
    metrics.xOffset = values[3];
    metrics.yOffset = values[4];
    metrics.glyphs.assign(static_cast<std::size_t>(count), Glyph());
    for (std::size_t i = 0; i < metrics.glyphs.size(); ++i) {
        Glyph& g = metrics.glyphs[i];
        std::sscanf(lines[6 + i].c_str(), "char = %d; A = %d; B = %d; C = %d; x = %d; y = %d;", &g.code, &g.A, &g.B,
                    &g.C, &g.x, &g.y);
        g.cellWidth = g.B + 2 * metrics.xOffset;
    }
    return true;
}
