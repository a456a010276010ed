#include "tools/fontgen/FontMetrics.h"

#include <sstream>

namespace fontgen {

std::string FormatFontMetrics(const FontMetrics& metrics)
{
    std::ostringstream out;
    out << "ascent = " << metrics.ascent << "\n"
        << "descent = " << metrics.descent << "\n"
        << "height = " << metrics.height << "\n"
        << "xOffset = " << metrics.xOffset << "\n"
        << "yOffset = " << metrics.yOffset << "\n"
        << "numChars = " << metrics.glyphs.size() << "\n";
    for (const GlyphMetrics& g : metrics.glyphs)
        out << "char = " << g.code << "; A = " << g.a << "; B = " << g.b << "; C = " << g.c << "; x = " << g.x
            << "; y = " << g.y << ";\n";
    return out.str();
}

} // namespace fontgen
