#pragma once

// PNG files through libpng: every colour type and bit depth comes out as
// 8-bit BGRA (palette and grey expanded, transparency turned into alpha, an
// opaque alpha added where the file has none).

#include "engine/render/ImageData.h"

#include <string>

// False (record emptied) when the bytes are not a readable PNG or do not fit
// the pixel buffer; every such case is logged.
bool DecodePng(const std::string& bytes, const std::string& name, ImageData& image, bool headerOnly);
