#include "tools/tests/PngPicture.h"

#include <png.h>

bool ReadPng(const std::string& path, PngPicture& picture)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str()))
        return false;
    image.format = PNG_FORMAT_RGBA;
    picture.width = static_cast<int>(image.width);
    picture.height = static_cast<int>(image.height);
    picture.rgba.resize(PNG_IMAGE_SIZE(image));
    const bool ok = png_image_finish_read(&image, nullptr, picture.rgba.data(), 0, nullptr) != 0;
    png_image_free(&image);
    return ok;
}
