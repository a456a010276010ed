#pragma once

// The render device's flat per-character table of one font, indexed by the
// low byte of a character code, and the glyph boxes that widgets measure
// text with.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class Font;
class Texture;

struct RenderFont {
    // Clears every table and enters the font's glyphs; the space gets the
    // font's space size (a quarter of the height when it is -100 or less).
    void Build(const Font& font);

    Texture* texture = nullptr;
    int xOffset = 0;
    int yOffset = 0;
    std::array<std::uint32_t, 256> width{};
    std::array<float, 256> uLeft{};
    std::array<float, 256> vBottom{};
    std::array<float, 256> uRight{};
    std::array<float, 256> vTop{};
    std::array<int, 256> A{};
    std::array<int, 256> B{};
    std::array<int, 256> C{};
    float track = 0.0f;
    std::array<bool, 256> hasGlyph{};
    std::uint32_t height = 0;
};

// One line of a text block: drawn in its font, scale and colour.
struct TextLine {
    std::string text;
    std::string font;
    int height = 0;
    float scale = 1.0f;
    std::uint32_t color = 0xFFFFFFFFu;
};

struct GlyphBox {
    float left = 0.0f;
    float right = 0.0f;
    int zero = 0;
    float height = 0.0f;
};

// Appends one box per drawn glyph of text in the named font (advancing by a
// fixed 2 in place of the track). An unknown font appends nothing.
void TextGlyphBoxes(const std::string& text, const std::string& fontName, std::vector<GlyphBox>& boxes);
