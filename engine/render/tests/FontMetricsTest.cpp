// The metrics file of a bitmap font and the device table built from it.

#include "engine/render/Font.h"
#include "engine/render/FontMetricsFile.h"
#include "engine/render/RenderFont.h"
#include "engine/util/StringUtils.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

const char* const kMetrics = "ascent = 20\n"
                             "descent=5\n"
                             "height = 30\n"
                             "xOffset = 2\n"
                             "yOffset = 1\n"
                             "numChars = 3\n"
                             "char = 65; A = 1; B = 10; C = 2; x = 0; y = 24;\n"
                             "char=66;A=0;B=8;C=1;x=20;y=24;\n"
                             "char = 65; A = 3; B = 12; C = 0; x = 40; y = 24;\n";

TEST(FontMetrics, ReadsHeaderAndGlyphLines)
{
    for (bool crlf : {false, true}) {
        std::string text = kMetrics;
        if (crlf)
            for (std::string::size_type i = 0; (i = text.find('\n', i)) != std::string::npos; i += 2)
                text.insert(i, "\r");
        std::vector<std::string> lines = Lines(text);
        FontMetrics metrics;
        std::string error;
        ASSERT_TRUE(FontMetricsFile::Parse(lines, metrics, error)) << error;
        EXPECT_EQ(metrics.ascent, 20);
        EXPECT_EQ(metrics.descent, 5);
        EXPECT_EQ(metrics.height, 30);
        EXPECT_EQ(metrics.xOffset, 2);
        EXPECT_EQ(metrics.yOffset, 1);
        ASSERT_EQ(metrics.glyphs.size(), 3u);
        EXPECT_EQ(metrics.glyphs[1].code, 66);
        EXPECT_EQ(metrics.glyphs[1].B, 8);
        EXPECT_EQ(metrics.glyphs[1].x, 20);
        EXPECT_EQ(metrics.glyphs[1].cellWidth, 12);
        EXPECT_EQ(metrics.glyphs[2].C, 0);
    }
}

TEST(FontMetrics, GarbledFilesAreRefused)
{
    const struct {
        const char* what;
        std::string text;
    } cases[] = {
        {"empty", ""},
        {"short header", "ascent = 1\ndescent = 2\n"},
        {"lines out of order", "descent = 1\nascent = 2\nheight = 3\nxOffset = 0\nyOffset = 0\nnumChars = 0\n"},
        {"not a number", "ascent = x\ndescent = 2\nheight = 3\nxOffset = 0\nyOffset = 0\nnumChars = 0\n"},
        {"negative count", "ascent = 1\ndescent = 2\nheight = 3\nxOffset = 0\nyOffset = 0\nnumChars = -4\n"},
        {"truncated glyphs", "ascent = 1\ndescent = 2\nheight = 3\nxOffset = 0\nyOffset = 0\nnumChars = 2\n"
                             "char = 65; A = 1; B = 10; C = 2; x = 0; y = 24;\n"},
        {"huge count", "ascent = 1\ndescent = 2\nheight = 3\nxOffset = 0\nyOffset = 0\nnumChars = 2000000000\n"},
        {"offset beyond int", "ascent = 1\ndescent = 2\nheight = 3\nxOffset = 111111111111111111111\nyOffset = 0\n"
                              "numChars = 0\n"},
        {"offset whose double overflows", "ascent = 1\ndescent = 2\nheight = 3\nxOffset = -2074054201\n"
                                          "yOffset = 0\nnumChars = 1\nchar = 65; A = 1; B = 10; C = 2; x = 0; y = 0;\n"},
        {"glyph width beyond int", "ascent = 1\ndescent = 2\nheight = 3\nxOffset = 1\nyOffset = 0\nnumChars = 1\n"
                                   "char = 65; A = 1; B = 2147483647; C = 2; x = 0; y = 0;\n"},
    };
    for (const auto& c : cases) {
        FontMetrics metrics;
        std::string error;
        EXPECT_FALSE(FontMetricsFile::Parse(Lines(c.text), metrics, error)) << c.what;
        EXPECT_FALSE(error.empty()) << c.what;
    }
    // A glyph line that does not match leaves that glyph zeroed.
    FontMetrics metrics;
    std::string error;
    ASSERT_TRUE(FontMetricsFile::Parse(
        Lines("ascent = 1\ndescent = 2\nheight = 3\nxOffset = 0\nyOffset = 0\nnumChars = 1\nrubbish\n"), metrics, error));
    EXPECT_EQ(metrics.glyphs[0].code, 0);
    EXPECT_EQ(metrics.glyphs[0].B, 0);
}

Font MakeFont(int spaceSize)
{
    Font font("", 1.0f); // no such file: an empty font to fill by hand
    FontMetrics metrics;
    std::string error;
    FontMetricsFile::Parse(Lines(kMetrics), metrics, error);
    font.glyphs = metrics.glyphs;
    font.height = metrics.height;
    font.descent = metrics.descent;
    font.xOffset = metrics.xOffset;
    font.yOffset = metrics.yOffset;
    font.imageWidth = 64;
    font.imageHeight = 32;
    font.track = 2.0f;
    font.spaceSize = spaceSize;
    return font;
}

TEST(RenderFont, TableFromTheGlyphs)
{
    RenderFont table;
    table.Build(MakeFont(-100));
    // The later glyph of code 65 wins.
    EXPECT_EQ(table.A[65], 3);
    EXPECT_EQ(table.width[65], 16u);
    EXPECT_FLOAT_EQ(table.uLeft[65], 40.0f / 64.0f);
    EXPECT_FLOAT_EQ(table.uRight[65], 56.0f / 64.0f);
    EXPECT_FLOAT_EQ(table.vBottom[65], 1.0f - (24.0f + 5.0f + 2.0f) / 32.0f);
    EXPECT_FLOAT_EQ(table.vTop[65], table.vBottom[65] + 30.0f / 32.0f);
    EXPECT_TRUE(table.hasGlyph[66]);
    EXPECT_FALSE(table.hasGlyph[67]);
    // Space size -100 with height 30: a quarter, 7.
    EXPECT_EQ(table.B[32], 7);
    EXPECT_EQ(table.width[32], 7u);
    EXPECT_FALSE(table.hasGlyph[32]);

    RenderFont wide;
    wide.Build(MakeFont(12));
    EXPECT_EQ(wide.B[32], 12);
}

} // namespace
