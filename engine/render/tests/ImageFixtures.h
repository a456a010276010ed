#pragma once

// Small image files made in memory for the loader tests and benchmarks.

#include <cstdint>
#include <string>
#include <vector>

namespace fixtures {

// A TGA file. pixels: width x height pixels of depth / 8 bytes, in file
// order (BGR(A) or grey); empty for the header alone. Types 9 and up pack
// runs of equal pixels and literal spans.
std::string MakeTga(int width, int height, int type, int depth, const std::vector<std::uint8_t>& pixels,
                    bool topOrigin = false);

// A JPEG of the given rows (top row first), RGB (3 components) or grey (1).
std::string MakeJpeg(int width, int height, int components, const std::vector<std::uint8_t>& pixels,
                     int quality = 100);

struct PngSpec {
    int width = 0;
    int height = 0;
    int colorType = 2; // PNG_COLOR_TYPE_*
    int bitDepth = 8;
    std::vector<std::uint8_t> rows; // top row first, packed as the colour type needs
    std::vector<std::uint8_t> palette; // RGB triples
    std::vector<std::uint8_t> transparency; // tRNS alpha per palette entry
    bool interlaced = false;
};
std::string MakePng(const PngSpec& layout);

// A gradient picture with distinct pixels, as RGB bytes, top row first.
std::vector<std::uint8_t> GradientRgb(int width, int height);

} // namespace fixtures
