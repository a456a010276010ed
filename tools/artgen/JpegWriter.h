#pragma once

// Writes 8-bit RGBA pixels (rows from the top) as a baseline colour JPEG
// through libjpeg; alpha is dropped.

#include <cstdint>
#include <string>
#include <vector>

bool WriteRgbaJpeg(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgba, int quality);
