#pragma once

// TGA files: true-colour (types 2 and 10, 24 and 32 bits) and grey (types 3
// and 11, 8 bits, or 16 with alpha), raw or run-length encoded, either
// origin. The result goes to the pixel buffer as bottom-up BGRA rows.

#include "engine/render/ImageData.h"

#include <string>

// bytes: the whole file; name: for log lines. False (record emptied, a log
// line written) for anything that is not a readable TGA or does not fit.
bool DecodeTga(const std::string& bytes, const std::string& name, ImageData& image, bool headerOnly);
