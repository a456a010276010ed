// fontgen: makes one bitmap font of the game from a TrueType face.
//
//   fontgen <face.ttf> <pixel size> <output folder> <name>
//           [--fill RRGGBB] [--outline <pixels> <RRGGBB>]
//
// Writes <output folder>/<name>.txt (the metrics) and <name>.png beside it.

#include "tools/fontgen/BitmapFontBuilder.h"
#include "tools/fontgen/FontMetrics.h"
#include "tools/fontgen/PngWriter.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

using fontgen::FontMetrics;
using fontgen::GlyphMetrics;
using fontgen::FormatFontMetrics;

namespace {

bool ParseColour(const char* text, std::uint32_t& colour)
{
    char* end = nullptr;
    const unsigned long value = std::strtoul(text, &end, 16);
    if (!end || *end != '\0' || value > 0xFFFFFFul)
        return false;
    colour = static_cast<std::uint32_t>(value);
    return true;
}

int Usage()
{
    std::fprintf(stderr, "usage: fontgen <face.ttf> <pixel size> <output folder> <name> "
                         "[--fill RRGGBB] [--outline <pixels> <RRGGBB>]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 5)
        return Usage();
    FontStyle style;
    style.fontFile = argv[1];
    style.pixelSize = std::atoi(argv[2]);
    const std::string folder = argv[3];
    const std::string name = argv[4];
    if (style.pixelSize <= 0 || style.pixelSize > 200)
        return Usage();
    for (int i = 5; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--fill" && i + 1 < argc) {
            if (!ParseColour(argv[++i], style.fill))
                return Usage();
        } else if (option == "--outline" && i + 2 < argc) {
            style.outline = std::atoi(argv[++i]);
            if (style.outline < 0 || style.outline > 8 || !ParseColour(argv[++i], style.outlineColour))
                return Usage();
        } else {
            return Usage();
        }
    }

    FontMetrics metrics;
    FontPicture picture;
    std::string error;
    if (!BitmapFontBuilder().Build(style, metrics, picture, error)) {
        std::fprintf(stderr, "fontgen: %s: %s\n", name.c_str(), error.c_str());
        return 1;
    }
    const std::string picturePath = folder + "/" + name + ".png";
    if (!WriteRgbaPng(picturePath, picture.width, picture.height, picture.rgba)) {
        std::fprintf(stderr, "fontgen: can't write %s\n", picturePath.c_str());
        return 1;
    }
    const std::string metricsPath = folder + "/" + name + ".txt";
    std::ofstream out(metricsPath, std::ios::binary | std::ios::trunc);
    out << FormatFontMetrics(metrics);
    if (!out.flush()) {
        std::fprintf(stderr, "fontgen: can't write %s\n", metricsPath.c_str());
        return 1;
    }
    return 0;
}
