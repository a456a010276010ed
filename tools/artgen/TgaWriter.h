#pragma once

// Writes 8-bit RGBA pixels (rows from the top) as an uncompressed 32-bit
// TGA: rows stored from the bottom up (the format's default origin), each
// pixel blue, green, red, alpha, with 8 alpha bits in the descriptor.

#include <cstdint>
#include <string>
#include <vector>

bool WriteRgbaTga(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgba);
