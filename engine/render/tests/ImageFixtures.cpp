#include "ImageFixtures.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include <jpeglib.h>
#include <png.h>

namespace fixtures {

std::string MakeTga(int width, int height, int type, int depth, const std::vector<std::uint8_t>& pixels,
                    bool topOrigin)
{
    std::string out(18, '\0');
    out[2] = static_cast<char>(type);
    out[12] = static_cast<char>(width & 0xFF);
    out[13] = static_cast<char>(width >> 8);
    out[14] = static_cast<char>(height & 0xFF);
    out[15] = static_cast<char>(height >> 8);
    out[16] = static_cast<char>(depth);
    out[17] = static_cast<char>((depth == 32 ? 8 : 0) | (topOrigin ? 0x20 : 0));
    const int bpp = depth / 8;
    const bool rle = type >= 9;
    const std::size_t count = static_cast<std::size_t>(width) * height;
    if (pixels.empty())
        return out; // the header alone
    if (!rle) {
        out.append(reinterpret_cast<const char*>(pixels.data()), count * bpp);
        return out;
    }
    auto same = [&](std::size_t a, std::size_t b) {
        return std::memcmp(&pixels[a * bpp], &pixels[b * bpp], bpp) == 0;
    };
    std::size_t i = 0;
    while (i < count) {
        std::size_t run = 1;
        while (i + run < count && run < 128 && same(i, i + run))
            ++run;
        if (run >= 2) {
            out.push_back(static_cast<char>(0x80 | (run - 1)));
            out.append(reinterpret_cast<const char*>(&pixels[i * bpp]), bpp);
            i += run;
            continue;
        }
        std::size_t literal = 1;
        while (i + literal < count && literal < 128 && !(i + literal + 1 < count && same(i + literal, i + literal + 1)))
            ++literal;
        out.push_back(static_cast<char>(literal - 1));
        out.append(reinterpret_cast<const char*>(&pixels[i * bpp]), literal * bpp);
        i += literal;
    }
    return out;
}

std::string MakeJpeg(int width, int height, int components, const std::vector<std::uint8_t>& pixels, int quality)
{
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = components;
    info.in_color_space = components == 3 ? JCS_RGB : JCS_GRAYSCALE;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    // No chroma subsampling, so flat colours come back exactly.
    for (int c = 0; c < info.num_components; ++c)
        info.comp_info[c].h_samp_factor = info.comp_info[c].v_samp_factor = 1;
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(&pixels[static_cast<std::size_t>(info.next_scanline) * width * components]);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::string out(reinterpret_cast<const char*>(buffer), size);
    std::free(buffer);
    return out;
}

namespace {

extern "C" void AppendToString(png_structp png, png_bytep data, png_size_t length)
{
    auto* out = static_cast<std::string*>(png_get_io_ptr(png));
    out->append(reinterpret_cast<const char*>(data), length);
}

extern "C" void NoFlush(png_structp) {}

} // namespace

std::string MakePng(const PngSpec& layout)
{
    std::string out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("png fixture");
    }
    png_set_write_fn(png, &out, AppendToString, NoFlush);
    png_set_IHDR(png, info, layout.width, layout.height, layout.bitDepth, layout.colorType,
                 layout.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    std::vector<png_color> palette;
    for (std::size_t i = 0; i + 2 < layout.palette.size(); i += 3)
        palette.push_back(png_color{layout.palette[i], layout.palette[i + 1], layout.palette[i + 2]});
    if (!palette.empty())
        png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
    if (!layout.transparency.empty())
        png_set_tRNS(png, info, layout.transparency.data(), static_cast<int>(layout.transparency.size()), nullptr);
    png_write_info(png, info);
    const std::size_t rowBytes = layout.rows.size() / layout.height;
    std::vector<png_bytep> rows;
    for (int r = 0; r < layout.height; ++r)
        rows.push_back(const_cast<png_bytep>(&layout.rows[r * rowBytes]));
    png_write_image(png, rows.data()); // passes of an interlaced file included
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

std::vector<std::uint8_t> GradientRgb(int width, int height)
{
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
            p[0] = static_cast<std::uint8_t>(x * 255 / (width > 1 ? width - 1 : 1));
            p[1] = static_cast<std::uint8_t>(y * 255 / (height > 1 ? height - 1 : 1));
            p[2] = static_cast<std::uint8_t>((x + y) & 0xFF);
        }
    return rgb;
}

} // namespace fixtures
