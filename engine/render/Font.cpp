#include "engine/render/Font.h"

#include "engine/platform/HtmlLog.h"
#include "engine/platform/Settings.h"
#include "engine/util/FileSystem.h"

#include <cstdio>

const char* const kFontErrorTitle = "Font load error";

namespace {

int Scaled(int value, float scale)
{
    return static_cast<int>(static_cast<float>(value) * scale);
}

bool CanOpenForReading(const std::string& name)
{
    std::FILE* file = std::fopen(ResolvePath(name).c_str(), "rb");
    if (!file)
        return false;
    std::fclose(file);
    return true;
}

} // namespace

Font::Font(const std::string& fontName, float scale) : name(fontName)
{
    LoadBitmapFont(fontName, scale);
}

std::string Font::PngPictureName(const std::string& fontName)
{
    return "font\\" + fontName + ".png";
}

bool Font::LoadBitmapFont(const std::string& fontName, float scale)
{
    loaded = false;
    const std::string base = "font\\" + fontName;
    FontMetrics metrics;
    std::string error;
    if (!FontMetricsFile::Read(base + ".txt", metrics, error)) {
        LogError(kFontErrorTitle, "Font \"" + fontName + "\" skipped: " + error);
        return false;
    }
    ascent = metrics.ascent;
    descent = metrics.descent;
    height = metrics.height;
    xOffset = metrics.xOffset;
    yOffset = metrics.yOffset;
    glyphs = std::move(metrics.glyphs);
    if (scale != 1.0f) {
        for (Glyph& g : glyphs) {
            g.x = Scaled(g.x, scale);
            g.y = Scaled(g.y, scale);
            g.cellWidth = Scaled(g.cellWidth, scale);
        }
        height = Scaled(height, scale);
        xOffset = Scaled(xOffset, scale);
        yOffset = Scaled(yOffset, scale);
    }

    std::string picture = PngPictureName(fontName);
    if (!g_settings.loadPngImages && !CanOpenForReading(picture))
        picture = base + ".tga";
    texture = std::make_unique<Texture>();
    texture->image.Load(picture);
    texture->linearFilter = true;
    imageWidth = texture->image.width;
    imageHeight = texture->image.height;
    if (texture->image.IsEmpty()) {
        LogError(kFontErrorTitle, "Font \"" + fontName + "\" skipped: its picture " + picture + " does not load");
        texture.reset();
        return false;
    }
    texture->Upload(true);
    loaded = true;
    return true;
}
