#pragma once

// An alpha mask for a widget's hit test: a picture's pixels as the image
// loaders leave them, rows from the bottom up, four bytes per pixel. The
// widget does not own the pixels.

#include <cstdint>

struct HitMask {
    int width = 0;
    int height = 0;
    int bytesPerPixel = 4;
    const std::uint8_t* pixels = nullptr;

    // The first byte of the pixel at (x, y), y counted from the bottom row;
    // 0 outside the picture.
    int ValueAt(int x, int y) const
    {
        if (!pixels || x < 0 || y < 0 || x >= width || y >= height)
            return 0;
        return pixels[(static_cast<long>(y) * width + x) * bytesPerPixel];
    }
};
