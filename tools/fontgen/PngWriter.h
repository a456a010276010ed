#pragma once

// Writes 8-bit RGBA pixels, rows from the top, as a PNG file.

#include <cstdint>
#include <string>
#include <vector>

bool WriteRgbaPng(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgba);
