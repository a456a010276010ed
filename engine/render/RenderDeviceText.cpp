// The render device's fonts: the font map, selection, layout into the glyph
// vertex array, drawing and measuring.

#include "engine/render/RenderDevice.h"

#include "engine/platform/HtmlLog.h"
#include "engine/render/Font.h"
#include "engine/render/Texture.h"

void RenderDevice::AddFont(std::unique_ptr<Font> font)
{
    if (!font)
        return;
    if (fonts.count(font->name)) {
        if (font->texture)
            font->texture->Release();
        return;
    }
    fonts[font->name].Build(*font);
    ownedFonts.push_back(std::move(font));
}

const RenderFont* RenderDevice::FindFont(const std::string& name) const
{
    const auto it = fonts.find(name);
    return it == fonts.end() ? nullptr : &it->second;
}

const RenderFont* RenderDevice::LookUpFont(const std::string& name)
{
    const RenderFont* font = FindFont(name);
    if (!font && reportedMissingFonts.insert(name).second)
        LogError(kFontErrorTitle, "No font named \"" + name + "\" was loaded: its text is not drawn.");
    return font;
}

void RenderDevice::SelectFont(const std::string& name)
{
    currentFont = LookUpFont(name);
    if (!currentFont || !currentFont->texture)
        return;
    currentFont->texture->Bind();
    currentFont->texture->linearFilter = true;
}

void RenderDevice::SelectFont(const Font& font)
{
    SelectFont(font.name);
}

void RenderDevice::SelectFontAlphaOnly(const std::string& name)
{
    currentFont = LookUpFont(name);
    if (!currentFont || !currentFont->texture)
        return;
    currentFont->texture->BindAlphaOnly();
    currentFont->texture->linearFilter = true;
}

void RenderDevice::SelectFontAlphaOnly(const Font& font)
{
    SelectFontAlphaOnly(font.name);
}

void RenderDevice::LayoutText(const std::string& text)
{
    glyphCount = 0;
    if (text.empty())
        return;
    glyphVertices.clear();
    const RenderFont* font = currentFont;
    if (!font) {
        textWidth = 0;
        return;
    }
    const float top = static_cast<float>(font->height);
    float pen = 0.0f;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c != ' ' && font->hasGlyph[c]) {
            pen += static_cast<float>(font->A[c] - font->xOffset);
            const float left = pen;
            const float right = left + static_cast<float>(font->width[c]);
            const float uL = font->uLeft[c], uR = font->uRight[c], vB = font->vBottom[c], vT = font->vTop[c];
            glyphVertices.push_back({left, 0.0f, 0.0f, color, uL, vB});
            glyphVertices.push_back({right, 0.0f, 0.0f, color, uR, vB});
            glyphVertices.push_back({left, top, 0.0f, color, uL, vT});
            glyphVertices.push_back({left, top, 0.0f, color, uL, vT});
            glyphVertices.push_back({right, 0.0f, 0.0f, color, uR, vB});
            glyphVertices.push_back({right, top, 0.0f, color, uR, vT});
            pen = left + static_cast<float>(font->C[c] + font->B[c]) + font->track;
            ++glyphCount;
        } else if (c == ' ') {
            pen += static_cast<float>(font->B[32]) + font->track;
        }
    }
    textWidth = static_cast<int>(pen);
}

void RenderDevice::DrawGlyphs()
{
    gl.DrawTriangleList(glyphVertices.data(), static_cast<unsigned>(glyphCount) * 2u);
}

void RenderDevice::DrawTriangleList(const std::vector<Vertex>& vertices)
{
    if (vertices.size() >= 3)
        gl.DrawTriangleList(vertices.data(), static_cast<unsigned>(vertices.size() / 3));
}

void RenderDevice::DrawString(int x, int y, const std::string& text, float scale, int align, bool centreVertically)
{
    if (!currentFont)
        return;
    PushMatrix();
    Translate(Vector3(static_cast<float>(x), static_cast<float>(y), 0.0f));
    if (centreVertically)
        Translate(Vector3(0.0f, -static_cast<float>(currentFont->height / 2), 0.0f));
    LayoutText(text);
    Scale(scale, scale, 1.0f);
    if (align == 1)
        Translate(Vector3(-static_cast<float>(textWidth), 0.0f, 0.0f));
    else if (align == 2)
        Translate(Vector3(-static_cast<float>(textWidth / 2), 0.0f, 0.0f));
    DrawGlyphs();
    PopMatrix();
}

void RenderDevice::DrawStringAt(const Point& p, const std::string& text, float scale, int align,
                                bool centreVertically)
{
    DrawString(p.x, p.y, text, scale, align, centreVertically);
}

float RenderDevice::MeasureText(const RenderFont& font, const std::string& text) const
{
    float width = 0.0f;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        width += static_cast<float>(font.A[c] + font.B[c] + font.C[c] - font.xOffset) + font.track;
    }
    return width;
}

int RenderDevice::TextWidth(const std::string& text)
{
    return currentFont ? static_cast<int>(MeasureText(*currentFont, text)) : 0;
}

int RenderDevice::TextWidthInFont(const std::string& text, const std::string& fontName)
{
    const RenderFont* font = LookUpFont(fontName);
    return font ? static_cast<int>(MeasureText(*font, text)) : 0;
}

void RenderDevice::DrawTextRuns(const Point& p, const std::vector<TextLine>& lines)
{
    if (lines.empty())
        return;
    float y = static_cast<float>(p.y - static_cast<int>(static_cast<float>(lines[0].height) * lines[0].scale));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const TextLine& line = lines[i];
        SelectFont(line.font);
        if (currentFont) {
            color = line.color;
            PushMatrix();
            Translate(Vector3(static_cast<float>(p.x), y, 0.0f));
            LayoutText(line.text);
            Scale(line.scale, line.scale, 1.0f);
            Translate(Vector3(-static_cast<float>(textWidth / 2), 0.0f, 0.0f));
            DrawGlyphs();
            PopMatrix();
            color = 0xFFFFFFFFu;
        }
        if (i + 1 < lines.size())
            y -= static_cast<float>(static_cast<int>(static_cast<float>(lines[i + 1].height) * lines[i + 1].scale));
    }
}
