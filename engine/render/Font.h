#pragma once

// A bitmap font as loaded from its metrics file and glyph picture. The
// render device turns it into a RenderFont (RenderFont.h) and keeps it.

#include "engine/render/FontMetricsFile.h"
#include "engine/render/Texture.h"

#include <memory>
#include <string>
#include <vector>

class Font {
public:
    // Loads "font\<name>.txt" and the picture beside it; see IsLoaded.
    Font(const std::string& fontName, float scale);

    // Reads the metrics and the picture, scaling the glyph cells, height and
    // offsets by scale. A missing or garbled metrics file or a picture that
    // does not load is logged and leaves the font unloaded.
    bool LoadBitmapFont(const std::string& fontName, float scale);
    bool IsLoaded() const { return loaded; }
    // The glyph picture a font's load tries first, "font\<name>.png"; the
    // TGA beside it serves when PNG images are off and the PNG is missing.
    static std::string PngPictureName(const std::string& fontName);

    std::unique_ptr<Texture> texture;
    int height = 0;
    int imageWidth = 0;
    int imageHeight = 0;
    int ascent = 0;
    int descent = 0;
    int xOffset = 0;
    int yOffset = 0;
    std::vector<Glyph> glyphs;
    std::string name;
    float track = 0.0f;
    // -100: a quarter of the height.
    int spaceSize = -100;

private:
    bool loaded = false;
};

// The log title of font problems.
extern const char* const kFontErrorTitle;
