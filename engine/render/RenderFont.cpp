#include "engine/render/RenderFont.h"

#include "engine/render/Font.h"
#include "engine/render/RenderDevice.h"

void RenderFont::Build(const Font& font)
{
    *this = RenderFont();
    texture = font.texture.get();
    xOffset = font.xOffset;
    yOffset = font.yOffset;
    height = static_cast<std::uint32_t>(font.height);
    track = font.track;
    const float w = static_cast<float>(font.imageWidth);
    const float h = static_cast<float>(font.imageHeight);
    if (w > 0.0f && h > 0.0f) {
        for (const Glyph& g : font.glyphs) {
            const auto c = static_cast<unsigned char>(g.code);
            uLeft[c] = static_cast<float>(g.x) / w;
            uRight[c] = uLeft[c] + static_cast<float>(g.cellWidth) / w;
            vBottom[c] = 1.0f - static_cast<float>(g.y + font.descent + 2 * font.yOffset) / h;
            vTop[c] = vBottom[c] + static_cast<float>(font.height) / h;
            width[c] = static_cast<std::uint32_t>(g.cellWidth);
            A[c] = g.A;
            B[c] = g.B;
            C[c] = g.C;
            hasGlyph[c] = true;
        }
    }
    const int space = font.spaceSize > -100 ? font.spaceSize : font.height / 4;
    width[32] = static_cast<std::uint32_t>(space);
    B[32] = space;
    A[32] = 0;
    C[32] = 0;
}

void TextGlyphBoxes(const std::string& text, const std::string& fontName, std::vector<GlyphBox>& boxes)
{
    if (text.empty())
        return;
    const RenderFont* font = g_renderDevice.FindFont(fontName);
    if (!font)
        return;
    boxes.reserve(boxes.size() + text.size());
    float pen = 0.0f;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c != ' ' && font->hasGlyph[c]) {
            const float left = pen + static_cast<float>(font->A[c] - font->xOffset);
            const float right = left + static_cast<float>(font->width[c]);
            boxes.push_back(GlyphBox{left, right, 0, static_cast<float>(font->height)});
            pen = left + static_cast<float>(font->C[c] + font->B[c] + 2);
        } else if (c == ' ') {
            pen += static_cast<float>(font->B[32]);
        }
    }
}
