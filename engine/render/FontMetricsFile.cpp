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

namespace {

// No glyph or offset of a bitmap font comes near this many pixels; a larger
// number is a garbled file, and sums of such numbers would overflow.
constexpr long long kLargestMetric = 32768;

bool InRange(long long value)
{
    return value >= -kLargestMetric && value <= kLargestMetric;
}

} // namespace

bool FontMetricsFile::Parse(const std::vector<std::string>& lines, FontMetrics& metrics, std::string& error)
{
    static const char* const kHeader[6] = {"ascent = %lld",  "descent = %lld", "height = %lld",
                                           "xOffset = %lld", "yOffset = %lld", "numChars = %lld"};
    long long values[6] = {0, 0, 0, 0, 0, 0};
    for (int i = 0; i < 6; ++i) {
        if (static_cast<std::size_t>(i) >= lines.size()) {
            error = "the header ends after " + std::to_string(i) + " lines";
            return false;
        }
        if (std::sscanf(lines[static_cast<std::size_t>(i)].c_str(), kHeader[i], &values[i]) != 1) {
            error = "header line " + std::to_string(i + 1) + " does not read \"" + kHeader[i] + "\"";
            return false;
        }
        if (i < 5 && !InRange(values[i])) {
            error = "header line " + std::to_string(i + 1) + " holds a value out of range";
            return false;
        }
    }
    const long long count = values[5];
    if (count < 0) {
        error = "a negative glyph count";
        return false;
    }
    if (static_cast<unsigned long long>(lines.size() - 6) < static_cast<unsigned long long>(count)) {
        error = "numChars = " + std::to_string(count) + " but " + std::to_string(lines.size() - 6) + " glyph lines";
        return false;
    }
    metrics.ascent = static_cast<int>(values[0]);
    metrics.descent = static_cast<int>(values[1]);
    metrics.height = static_cast<int>(values[2]);
    metrics.xOffset = static_cast<int>(values[3]);
    metrics.yOffset = static_cast<int>(values[4]);
    metrics.glyphs.assign(static_cast<std::size_t>(count), Glyph());
    for (std::size_t i = 0; i < metrics.glyphs.size(); ++i) {
        long long v[6] = {0, 0, 0, 0, 0, 0};
        std::sscanf(lines[6 + i].c_str(), "char = %lld; A = %lld; B = %lld; C = %lld; x = %lld; y = %lld;", &v[0],
                    &v[1], &v[2], &v[3], &v[4], &v[5]);
        for (long long value : v) {
            if (!InRange(value)) {
                error = "glyph line " + std::to_string(i + 1) + " holds a value out of range";
                metrics.glyphs.clear();
                return false;
            }
        }
        Glyph& g = metrics.glyphs[i];
        g.code = static_cast<int>(v[0]);
        g.A = static_cast<int>(v[1]);
        g.B = static_cast<int>(v[2]);
        g.C = static_cast<int>(v[3]);
        g.x = static_cast<int>(v[4]);
        g.y = static_cast<int>(v[5]);
        g.cellWidth = g.B + 2 * metrics.xOffset;
    }
    return true;
}
