#pragma once

// A PNG file read back as 8-bit RGBA, top row first.

#include <string>
#include <vector>

struct PngPicture {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgba;
    const unsigned char* At(int x, int y) const { return &rgba[static_cast<size_t>(y * width + x) * 4]; }
};

// False when the file is missing or not a PNG.
bool ReadPng(const std::string& path, PngPicture& picture);
