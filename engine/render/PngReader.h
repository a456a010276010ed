#pragma once

// PNG files through libpng: every colour type and bit depth comes out as
// 8-bit BGRA (palette and grey expanded, transparency turned into alpha, an
// opaque alpha added where the file has none).

#include "engine/render/ImageData.h"

#include <cstddef>
#include <functional>
#include <string>

struct PngSize {
    int width = 0;
    int height = 0;
};

// Gives the memory for the decoded pixels: the byte count is width x height
// x 4, already checked against the image buffer's size. A null result is
// reported as a failed allocation.
using PngTarget = std::function<unsigned char*(std::size_t bytes)>;

// Decodes the bytes into the memory the target gives (no target: the header
// alone) and returns what is wrong with the file, empty when nothing is. The
// same limits as the pixel buffer apply to every target. Touches no global
// state and writes no log, so it may run on any thread.
std::string DecodePngPixels(const std::string& bytes, const PngTarget& target, PngSize& size);

// False (record emptied) when the bytes are not a readable PNG or do not fit
// the pixel buffer; every such case is logged.
bool DecodePng(const std::string& bytes, const std::string& name, ImageData& image, bool headerOnly);
