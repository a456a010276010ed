#pragma once

// What the screens ask of the bitmap fonts: line heights and widths for
// laying text blocks out, and drawing strings and blocks. The render
// device's fonts answer; tests may put measurements of their own in place.

#include "engine/util/Point.h"

#include <string>

struct TextResource;

class FontMetricsSource {
public:
    virtual ~FontMetricsSource() = default;
    virtual int LineHeight(const std::string& font) = 0;
    virtual int TextWidth(const std::string& text, const std::string& font) = 0;
};

// Null puts the render device's fonts back.
void SetFontMetricsSource(FontMetricsSource* source);

// The font's line height; 0 for a font that was never loaded.
int FontLineHeight(const std::string& font);
// The width of the text in the font; 0 for a font that was never loaded.
int FontTextWidth(const std::string& text, const std::string& font);

// Selects the font and draws the text at p (align: 0 starts at p.x, 1 ends
// there, 2 is centred on it), in the device's current colour.
void DrawFontString(const std::string& font, const Point& p, const std::string& text, float scale, int align);
// The lines of a block, each centred on p.x, going down from p.y.
void DrawTextBlock(const Point& p, const TextResource& block);
// The same under the name of the device's own run drawing: a block's lines
// are its runs (RenderDevice::DrawTextRuns).
inline void DrawTextRuns(const Point& p, const TextResource& block)
{
    DrawTextBlock(p, block);
}
