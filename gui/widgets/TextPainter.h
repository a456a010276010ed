#pragma once

// How widgets draw and measure their captions: the render device's bitmap
// fonts, or a stand-in that tests install to see the calls.

#include <string>

class TextPainter {
public:
    virtual ~TextPainter() = default;

    virtual void SelectFont(const std::string& font) = 0;
    // align: 0 left, 1 right, 2 centred; centreVertically moves the text
    // down by half the current font's height.
    virtual void DrawString(int x, int y, const std::string& text, float scale, int align,
                            bool centreVertically) = 0;
    // Width of text in the named font.
    virtual int TextWidth(const std::string& text, const std::string& font) = 0;
    virtual int FontHeight(const std::string& font) = 0;
    // Whether the named font has a glyph for the character code.
    virtual bool HasGlyph(const std::string& font, unsigned char code) = 0;
};

// The installed painter; the render device's fonts unless a test installed
// its own.
TextPainter& WidgetTextPainter();
// Null puts the render device's fonts back.
void InstallTextPainter(TextPainter* painter);
