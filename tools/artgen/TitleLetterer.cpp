#include "tools/artgen/TitleLetterer.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>

TitleLetterer::TitleLetterer(const std::string& faceFile)
{
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) {
        _error = "cannot start FreeType";
        return;
    }
    _library = library;
    FT_Face face = nullptr;
    if (FT_New_Face(library, faceFile.c_str(), 0, &face) != 0) {
        _error = "cannot open the face " + faceFile;
        return;
    }
    _face = face;
}

TitleLetterer::~TitleLetterer()
{
    if (_face)
        FT_Done_Face(static_cast<FT_Face>(_face));
    if (_library)
        FT_Done_FreeType(static_cast<FT_Library>(_library));
}

Mask TitleLetterer::Render(const std::string& text, int pixelSize, int spacing)
{
    if (!_face)
        return Mask();
    FT_Face face = static_cast<FT_Face>(_face);
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelSize));
    const int ascent = static_cast<int>(face->size->metrics.ascender >> 6);
    const int descent = static_cast<int>(-(face->size->metrics.descender >> 6));

    // Walks the line, handing each rendered glyph and its pen position to `visit`.
    auto layout = [&](auto visit) {
        int pen = 1;
        FT_UInt previous = 0;
        for (unsigned char ch : text) {
            const FT_UInt index = FT_Get_Char_Index(face, ch);
            if (previous && index && FT_HAS_KERNING(face)) {
                FT_Vector kern{};
                FT_Get_Kerning(face, previous, index, FT_KERNING_DEFAULT, &kern);
                pen += static_cast<int>(kern.x >> 6);
            }
            previous = index;
            if (FT_Load_Glyph(face, index, FT_LOAD_RENDER) != 0)
                continue;
            visit(face->glyph, pen);
            pen += static_cast<int>(face->glyph->advance.x >> 6) + spacing;
        }
        return pen;
    };

    int width = 0;
    const int end = layout([&](FT_GlyphSlot slot, int pen) {
        width = std::max(width, pen + slot->bitmap_left + static_cast<int>(slot->bitmap.width));
    });
    Mask mask(std::max(width, end) + 1, ascent + descent);
    layout([&](FT_GlyphSlot slot, int pen) {
        const FT_Bitmap& bitmap = slot->bitmap;
        for (unsigned row = 0; row < bitmap.rows; ++row)
            for (unsigned col = 0; col < bitmap.width; ++col) {
                const unsigned char v = bitmap.buffer[static_cast<int>(row) * bitmap.pitch + static_cast<int>(col)];
                mask.Raise(pen + slot->bitmap_left + static_cast<int>(col),
                           ascent - slot->bitmap_top + static_cast<int>(row), static_cast<float>(v) / 255.0f);
            }
    });
    return mask;
}
