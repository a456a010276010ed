#include "tools/fontgen/BitmapFontBuilder.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>

using fontgen::FontMetrics;
using fontgen::GlyphMetrics;
using fontgen::FormatFontMetrics;

namespace {

// One rendered glyph in RGBA with its ink box relative to pen and baseline.
struct RenderedGlyph {
    int code = 0;
    int left = 0;  // ink's left edge from the pen
    int top = 0;   // ink's top edge above the baseline
    int width = 0;
    int rows = 0;
    int advance = 0;
    std::vector<std::uint8_t> rgba;
};

const int kCellPadding = 2; // transparent columns either side of the ink (xOffset)

int NextPowerOfTwo(int v)
{
    int p = 1;
    while (p < v)
        p *= 2;
    return p;
}

std::uint8_t Channel(std::uint32_t rgb, int shift)
{
    return static_cast<std::uint8_t>((rgb >> shift) & 0xFF);
}

// Coverage (0..1 per pixel) and its outline grown by radius, composed into
// RGBA: the fill over the outline.
std::vector<std::uint8_t> Compose(const std::vector<float>& coverage, int width, int rows, const FontStyle& style)
{
    const int o = style.outline;
    const int w = width + 2 * o;
    const int h = rows + 2 * o;
    auto cover = [&](int x, int y) -> float {
        x -= o;
        y -= o;
        if (x < 0 || y < 0 || x >= width || y >= rows)
            return 0.0f;
        return coverage[static_cast<size_t>(y * width + x)];
    };
    std::vector<std::uint8_t> rgba(static_cast<size_t>(w) * static_cast<size_t>(h) * 4);
    const float radius = static_cast<float>(o) + 0.5f;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const float f = cover(x, y);
            float s = 0.0f;
            for (int dy = -o; dy <= o && o > 0; ++dy)
                for (int dx = -o; dx <= o; ++dx)
                    if (std::sqrt(static_cast<float>(dx * dx + dy * dy)) <= radius)
                        s = std::max(s, cover(x + dx, y + dy));
            const float alpha = f + s * (1.0f - f);
            std::uint8_t* p = &rgba[static_cast<size_t>(y * w + x) * 4];
            for (int c = 0; c < 3; ++c) {
                const int shift = 16 - 8 * c;
                const float fill = Channel(style.fill, shift);
                const float line = Channel(o > 0 ? style.outlineColour : style.fill, shift);
                const float value = alpha > 0.0f ? (fill * f + line * s * (1.0f - f)) / alpha : line;
                p[c] = static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0f, 255.0f)));
            }
            p[3] = static_cast<std::uint8_t>(std::lround(alpha * 255.0f));
        }
    }
    return rgba;
}

} // namespace

std::vector<int> FontCharacterCodes()
{
    std::vector<int> codes;
    for (int c = 32; c <= 126; ++c)
        codes.push_back(c);
    for (int c = 160; c <= 255; ++c)
        codes.push_back(c);
    return codes;
}

bool BitmapFontBuilder::Build(const FontStyle& style, FontMetrics& metrics, FontPicture& picture, std::string& error)
{
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) {
        error = "FreeType does not start";
        return false;
    }
    FT_Face face = nullptr;
    if (FT_New_Face(library, style.fontFile.c_str(), 0, &face) != 0) {
        error = "can't open the face " + style.fontFile;
        FT_Done_FreeType(library);
        return false;
    }
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(style.pixelSize));

    const int o = style.outline;
    std::vector<RenderedGlyph> glyphs;
    for (int code : FontCharacterCodes()) {
        const FT_UInt index = FT_Get_Char_Index(face, static_cast<FT_ULong>(code));
        if (index == 0 && code != 32 && code != 160)
            continue; // the face lacks it
        if (FT_Load_Glyph(face, index, FT_LOAD_RENDER) != 0)
            continue;
        const FT_GlyphSlot slot = face->glyph;
        const FT_Bitmap& bitmap = slot->bitmap;
        RenderedGlyph g;
        g.code = code;
        g.advance = static_cast<int>((slot->advance.x + 32) >> 6);
        if (bitmap.width == 0 || bitmap.rows == 0 || bitmap.pixel_mode != FT_PIXEL_MODE_GRAY) {
            glyphs.push_back(g); // blank: advance only
            continue;
        }
        const int width = static_cast<int>(bitmap.width);
        const int rows = static_cast<int>(bitmap.rows);
        std::vector<float> coverage(static_cast<size_t>(width * rows));
        for (int y = 0; y < rows; ++y)
            for (int x = 0; x < width; ++x)
                coverage[static_cast<size_t>(y * width + x)] =
                    static_cast<float>(bitmap.buffer[y * bitmap.pitch + x]) / 255.0f;
        g.left = slot->bitmap_left - o;
        g.top = slot->bitmap_top + o;
        g.width = width + 2 * o;
        g.rows = rows + 2 * o;
        g.rgba = Compose(coverage, width, rows, style);
        glyphs.push_back(std::move(g));
    }
    FT_Done_Face(face);
    FT_Done_FreeType(library);
    if (glyphs.empty()) {
        error = "the face has none of the characters";
        return false;
    }

    // Cell rows: the tallest ink above and below the baseline, one spare row
    // on each side.
    int ascent = 1;
    int descent = 1;
    for (const RenderedGlyph& g : glyphs) {
        if (g.rows == 0)
            continue;
        ascent = std::max(ascent, g.top + 1);
        descent = std::max(descent, g.rows - g.top + 1);
    }
    metrics = FontMetrics();
    metrics.ascent = ascent;
    metrics.descent = descent;
    metrics.height = ascent + descent;
    metrics.xOffset = kCellPadding;
    metrics.yOffset = 0;
    for (const RenderedGlyph& g : glyphs) {
        GlyphMetrics m;
        m.code = g.code;
        // An outline widens the advance by half its width: neighbouring
        // outlines may touch, fills keep apart.
        const int advance = g.advance + o / 2;
        if (g.rows == 0) {
            m.a = 0;
            m.b = advance;
            m.c = 0;
        } else {
            m.a = g.left;
            m.b = g.width;
            m.c = advance - m.a - m.b;
        }
        metrics.glyphs.push_back(m);
    }

    // Pack the cells in rows into the smallest square-ish power-of-two picture.
    const int cellHeight = metrics.height;
    for (int width = 64;; width *= 2) {
        int x = 0;
        int top = 0;
        bool fits = true;
        for (GlyphMetrics& m : metrics.glyphs) {
            const int cellWidth = m.b + 2 * kCellPadding;
            if (cellWidth > width) {
                fits = false;
                break;
            }
            if (x + cellWidth > width) {
                x = 0;
                top += cellHeight;
            }
            m.x = x;
            m.y = top + ascent;
            x += cellWidth;
        }
        const int height = NextPowerOfTwo(top + cellHeight);
        if (fits && (height <= width || width >= 4096)) {
            picture.width = width;
            picture.height = height;
            break;
        }
    }

    // Transparent background in the edge colour, so filtering never darkens.
    const std::uint32_t edge = o > 0 ? style.outlineColour : style.fill;
    picture.rgba.assign(static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height) * 4, 0);
    for (size_t i = 0; i < picture.rgba.size(); i += 4) {
        picture.rgba[i] = Channel(edge, 16);
        picture.rgba[i + 1] = Channel(edge, 8);
        picture.rgba[i + 2] = Channel(edge, 0);
    }
    for (size_t i = 0; i < glyphs.size(); ++i) {
        const RenderedGlyph& g = glyphs[i];
        const GlyphMetrics& m = metrics.glyphs[i];
        for (int y = 0; y < g.rows; ++y) {
            const int row = m.y - g.top + y;
            const int column = m.x + kCellPadding;
            std::copy_n(&g.rgba[static_cast<size_t>(y * g.width) * 4], static_cast<size_t>(g.width) * 4,
                        &picture.rgba[(static_cast<size_t>(row) * static_cast<size_t>(picture.width) +
                                       static_cast<size_t>(column)) * 4]);
        }
    }
    return true;
}
