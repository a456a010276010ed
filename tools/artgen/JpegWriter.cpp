#include "tools/artgen/JpegWriter.h"

#include <cstdio>

#include <jpeglib.h>

bool WriteRgbaJpeg(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgba, int quality)
{
    if (width <= 0 || height <= 0 || rgba.size() != static_cast<size_t>(width) * static_cast<size_t>(height) * 4)
        return false;
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!out)
        return false;
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, out);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(static_cast<size_t>(width) * 3);
    while (info.next_scanline < info.image_height) {
        const size_t y = info.next_scanline;
        for (size_t x = 0; x < static_cast<size_t>(width); ++x)
            for (size_t k = 0; k < 3; ++k)
                row[x * 3 + k] = rgba[(y * static_cast<size_t>(width) + x) * 4 + k];
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(out) == 0;
}
