#pragma once

// Where a texture's texels can change what lies under them, found once from
// its pixels when it is uploaded. A quad that blends its texture draws only
// over these rectangles: a texel of alpha 0 leaves the screen as it was
// under normal blending, and so does a black one under additive blending.
// Rectangles are in texels, x from the left, y from the first row, ends
// exclusive; an empty rectangle has x0 == x1.

struct TexelRect {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;

    bool Empty() const { return x0 >= x1 || y0 >= y1; }
    bool operator==(const TexelRect& o) const { return x0 == o.x0 && y0 == o.y0 && x1 == o.x1 && y1 == o.y1; }
};

struct TextureCoverage {
    // False until measured: such a texture is always drawn whole.
    bool measured = false;
    int width = 0;
    int height = 0;
    // Texels of alpha above 0.
    TexelRect shown;
    // Texels of alpha above 0 whose colour is not black.
    TexelRect lit;
    // Every texel of the shown rectangle has alpha 255.
    bool opaqueShown = false;
    // Every texel of the texture has alpha 255.
    bool opaque = false;
};

// Measures width x height BGRA texels, rows one after another; without an
// alpha channel every texel counts as opaque.
TextureCoverage MeasureCoverage(const unsigned char* bgra, int width, int height, bool hasAlpha);
