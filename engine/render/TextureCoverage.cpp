#include "engine/render/TextureCoverage.h"

#include <algorithm>
#include <cstddef>

namespace {

void Include(TexelRect& r, bool& any, int x0, int x1, int y)
{
    if (!any) {
        r = TexelRect{x0, y, x1, y + 1};
        any = true;
        return;
    }
    r.x0 = std::min(r.x0, x0);
    r.x1 = std::max(r.x1, x1);
    r.y1 = y + 1;
}

} // namespace

TextureCoverage MeasureCoverage(const unsigned char* bgra, int width, int height, bool hasAlpha)
{
    TextureCoverage c;
    if (!bgra || width <= 0 || height <= 0)
        return c;
    c.measured = true;
    c.width = width;
    c.height = height;
    if (!hasAlpha) {
        c.shown = c.lit = TexelRect{0, 0, width, height};
        c.opaqueShown = c.opaque = true;
        return c;
    }
    bool anyShown = false, anyLit = false;
    long long opaqueTexels = 0;
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 4;
    for (int y = 0; y < height; ++y) {
        const unsigned char* row = bgra + static_cast<std::size_t>(y) * rowBytes;
        int shownFirst = -1, shownLast = -1, litFirst = -1, litLast = -1;
        for (int x = 0; x < width; ++x) {
            const unsigned char* p = row + static_cast<std::size_t>(x) * 4;
            if (p[3] == 0)
                continue;
            if (shownFirst < 0)
                shownFirst = x;
            shownLast = x;
            if (p[3] == 255)
                ++opaqueTexels;
            if (p[0] | p[1] | p[2]) {
                if (litFirst < 0)
                    litFirst = x;
                litLast = x;
            }
        }
        if (shownFirst >= 0)
            Include(c.shown, anyShown, shownFirst, shownLast + 1, y);
        if (litFirst >= 0)
            Include(c.lit, anyLit, litFirst, litLast + 1, y);
    }
    const long long area = static_cast<long long>(c.shown.x1 - c.shown.x0) * (c.shown.y1 - c.shown.y0);
    c.opaqueShown = anyShown && opaqueTexels == area;
    c.opaque = c.opaqueShown && c.shown == TexelRect{0, 0, width, height};
    return c;
}
