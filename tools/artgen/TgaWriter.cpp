#include "tools/artgen/TgaWriter.h"

#include <cstdio>

bool WriteRgbaTga(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgba)
{
    if (width <= 0 || height <= 0 || width > 0xFFFF || height > 0xFFFF ||
        rgba.size() != static_cast<size_t>(width) * static_cast<size_t>(height) * 4)
        return false;
    std::vector<std::uint8_t> file(18, 0);
    file[2] = 2; // uncompressed true colour
    file[12] = static_cast<std::uint8_t>(width & 0xFF);
    file[13] = static_cast<std::uint8_t>(width >> 8);
    file[14] = static_cast<std::uint8_t>(height & 0xFF);
    file[15] = static_cast<std::uint8_t>(height >> 8);
    file[16] = 32;
    file[17] = 8; // alpha bits; origin bottom-left
    for (int y = height - 1; y >= 0; --y)
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* p = &rgba[(static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)) * 4];
            file.insert(file.end(), {p[2], p[1], p[0], p[3]});
        }
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!out)
        return false;
    const bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
    return std::fclose(out) == 0 && written;
}
