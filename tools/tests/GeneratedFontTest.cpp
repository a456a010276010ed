// The fonts the build generates, read back the way the game reads them:
// the metrics lines by position with their fixed patterns, the picture as
// RGBA, each glyph's cell placed by the metrics.

#include "tools/fontgen/BitmapFontBuilder.h"
#include "engine/render/FontMetricsFile.h"
#include "tools/fontgen/FontMetrics.h"
#include "tests/support/TestEnvironment.h"
#include "tools/tests/PngPicture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The metrics as the game itself reads them (the engine's metrics reader),
// in the tool's record; false when the game would refuse the file.
bool ParseMetrics(const std::string& text, fontgen::FontMetrics& metrics)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    ::FontMetrics read;
    std::string error;
    if (!FontMetricsFile::Parse(lines, read, error))
        return false;
    metrics.ascent = read.ascent;
    metrics.descent = read.descent;
    metrics.height = read.height;
    metrics.xOffset = read.xOffset;
    metrics.yOffset = read.yOffset;
    metrics.glyphs.clear();
    for (const Glyph& g : read.glyphs)
        metrics.glyphs.push_back({g.code, g.A, g.B, g.C, g.x, g.y});
    return true;
}

bool IsPowerOfTwo(int v)
{
    return v > 0 && (v & (v - 1)) == 0;
}

std::vector<std::string> FontNames()
{
    std::vector<std::string> names;
    std::stringstream list(VELMORA_FONT_NAMES);
    std::string name;
    while (std::getline(list, name, ','))
        names.push_back(name);
    return names;
}

// Columns and rows of a glyph's cell, as the game's texture coordinates
// select them.
struct Cell {
    int left, right, top, bottom;
};

Cell CellOf(const fontgen::FontMetrics& m, const fontgen::GlyphMetrics& g)
{
    const int bottom = g.y + m.descent + 2 * m.yOffset;
    return {g.x, g.x + g.b + 2 * m.xOffset, bottom - m.height, bottom};
}

} // namespace

TEST(GeneratedFont, TheGameFontsAreAllThere)
{
    const std::vector<std::string> names = FontNames();
    for (const char* wanted :
         {"Letter", "TitleLight", "Title", "text", "ButtonNormal", "ButtonPress", "ButtonActive", "ButtonNormalBW"})
        EXPECT_NE(std::find(names.begin(), names.end(), wanted), names.end()) << wanted;
}

TEST(GeneratedFont, MetricsAndPictureAgree)
{
    const char* gameDir = std::getenv("VELMORA_GAME_DIR");
    ASSERT_NE(gameDir, nullptr);
    for (const std::string& name : FontNames()) {
        SCOPED_TRACE(name);
        const std::string base = std::string(gameDir) + "/data/font/" + name;
        fontgen::FontMetrics m;
        const std::string text = testing_support::ReadTextFile(base + ".txt");
        ASSERT_TRUE(ParseMetrics(text, m));
        // Every line is in its fixed form: what the game reads prints back
        // to the very same text.
        EXPECT_EQ(fontgen::FormatFontMetrics(m), text);
        PngPicture picture;
        ASSERT_TRUE(ReadPng(base + ".png", picture));
        EXPECT_TRUE(IsPowerOfTwo(picture.width));
        EXPECT_TRUE(IsPowerOfTwo(picture.height));
        EXPECT_GT(m.height, 8);
        EXPECT_EQ(m.height, m.ascent + m.descent);

        // Every code of 32-126 and 160-255, once each.
        std::set<int> codes;
        for (const fontgen::GlyphMetrics& g : m.glyphs)
            EXPECT_TRUE(codes.insert(g.code).second) << g.code;
        for (int code : FontCharacterCodes())
            EXPECT_TRUE(codes.count(code)) << code;
        EXPECT_EQ(codes.size(), FontCharacterCodes().size());

        // Cells lie inside the picture and apart; nothing is drawn outside them.
        std::vector<int> owner(static_cast<size_t>(picture.width * picture.height), -1);
        for (size_t i = 0; i < m.glyphs.size(); ++i) {
            const Cell c = CellOf(m, m.glyphs[i]);
            ASSERT_GE(c.left, 0);
            ASSERT_GE(c.top, 0);
            ASSERT_LE(c.right, picture.width);
            ASSERT_LE(c.bottom, picture.height);
            for (int y = c.top; y < c.bottom; ++y)
                for (int x = c.left; x < c.right; ++x) {
                    int& o = owner[static_cast<size_t>(y * picture.width + x)];
                    EXPECT_EQ(o, -1) << "cells overlap at " << x << "," << y;
                    o = static_cast<int>(i);
                }
        }
        for (int y = 0; y < picture.height; ++y) {
            for (int x = 0; x < picture.width; ++x) {
                if (owner[static_cast<size_t>(y * picture.width + x)] == -1) {
                    ASSERT_EQ(picture.At(x, y)[3], 0) << x << "," << y;
                }
            }
        }

        // Letters have ink in their cell; the advance of "A" is a sane width.
        for (const fontgen::GlyphMetrics& g : m.glyphs) {
            if (g.code != 'A' && g.code != 0xC9) // A and E acute
                continue;
            const Cell c = CellOf(m, g);
            int ink = 0;
            for (int y = c.top; y < c.bottom; ++y)
                for (int x = c.left; x < c.right; ++x)
                    ink += picture.At(x, y)[3] > 128;
            EXPECT_GT(ink, 10) << g.code;
            const int advance = g.a + g.b + g.c;
            EXPECT_GT(advance, m.height / 4);
            EXPECT_LT(advance, m.height * 2);
        }
    }
}

TEST(GeneratedFont, PlainFontsAreWhiteWithAlpha)
{
    const char* gameDir = std::getenv("VELMORA_GAME_DIR");
    ASSERT_NE(gameDir, nullptr);
    PngPicture picture;
    ASSERT_TRUE(ReadPng(std::string(gameDir) + "/data/font/text.png", picture));
    int opaque = 0;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const unsigned char* p = picture.At(x, y);
            ASSERT_EQ(p[0], 255);
            ASSERT_EQ(p[1], 255);
            ASSERT_EQ(p[2], 255);
            opaque += p[3] == 255;
        }
    EXPECT_GT(opaque, 100);
}

TEST(GeneratedFont, MetricsTextHasTheFixedLineForms)
{
    fontgen::FontMetrics m;
    m.ascent = 15;
    m.descent = 5;
    m.height = 20;
    m.xOffset = 2;
    m.glyphs.push_back({65, 1, 10, -1, 4, 15});
    const std::string text = fontgen::FormatFontMetrics(m);
    EXPECT_EQ(text, "ascent = 15\ndescent = 5\nheight = 20\nxOffset = 2\nyOffset = 0\nnumChars = 1\n"
                    "char = 65; A = 1; B = 10; C = -1; x = 4; y = 15;\n");
    fontgen::FontMetrics back;
    ASSERT_TRUE(ParseMetrics(text, back));
    EXPECT_EQ(back.glyphs[0].c, -1);
    // Lines ended by CR LF read the same.
    std::string crlf;
    for (char ch : text)
        crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
    ASSERT_TRUE(ParseMetrics(crlf, back));
    EXPECT_EQ(back.glyphs[0].y, 15);
}

TEST(GeneratedFont, AMissingFaceIsReported)
{
    FontStyle style;
    style.fontFile = "/no/such/face.ttf";
    fontgen::FontMetrics m;
    FontPicture picture;
    std::string error;
    EXPECT_FALSE(BitmapFontBuilder().Build(style, m, picture, error));
    EXPECT_NE(error.find("/no/such/face.ttf"), std::string::npos);
}
