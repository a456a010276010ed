#include "engine/render/PngReader.h"

#include "engine/render/ImageBuffers.h"
#include "engine/render/ImageLoader.h"

#include <png.h>

#include <cstring>
#include <vector>

namespace {

struct Source {
    const unsigned char* data;
    std::size_t size;
    std::size_t pos;
};

struct ErrorState {
    char message[256];
};

extern "C" void ReadFromMemory(png_structp png, png_bytep out, png_size_t length)
{
    auto* source = static_cast<Source*>(png_get_io_ptr(png));
    if (length > source->size - source->pos)
        png_error(png, "the file is truncated");
    std::memcpy(out, source->data + source->pos, length);
    source->pos += length;
}

extern "C" void OnPngError(png_structp png, png_const_charp message)
{
    auto* state = static_cast<ErrorState*>(png_get_error_ptr(png));
    std::strncpy(state->message, message ? message : "libpng error", sizeof state->message - 1);
    png_longjmp(png, 1);
}

extern "C" void OnPngWarning(png_structp, png_const_charp) {}

struct HeaderInfo {
    png_uint_32 width;
    png_uint_32 height;
    png_size_t rowBytes;
    int channels;
};

// Header and transformations; plain data only below setjmp.
bool ReadHeader(png_structp png, png_infop info, HeaderInfo& header)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_sig_bytes(png, 8);
    png_read_info(png, info);
    const int bitDepth = png_get_bit_depth(png, info);
    const int colorType = png_get_color_type(png, info);
    const bool hasTrns = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
    if (bitDepth == 16)
        png_set_strip_16(png);
    if (colorType == PNG_COLOR_TYPE_PALETTE && bitDepth <= 8)
        png_set_palette_to_rgb(png);
    if (colorType == PNG_COLOR_TYPE_GRAY && bitDepth < 8)
        png_set_expand_gray_1_2_4_to_8(png);
    if (hasTrns)
        png_set_tRNS_to_alpha(png);
    if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(png);
    // Every picture without an alpha channel gets an opaque one.
    if (!(colorType & PNG_COLOR_MASK_ALPHA) && !hasTrns)
        png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_set_bgr(png);
    double fileGamma = 0.0;
    if (!png_get_gAMA(png, info, &fileGamma))
        fileGamma = 0.45455;
    png_set_gamma(png, 2.2, fileGamma);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    header.width = png_get_image_width(png, info);
    header.height = png_get_image_height(png, info);
    header.rowBytes = png_get_rowbytes(png, info);
    header.channels = png_get_channels(png, info);
    return true;
}

bool ReadRows(png_structp png, png_bytepp rows)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_read_image(png, rows);
    png_read_end(png, nullptr);
    return true;
}

} // namespace

std::string DecodePngPixels(const std::string& bytes, const PngTarget& target, PngSize& size)
{
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    if (bytes.size() < 8 || png_sig_cmp(data, 0, 8) != 0)
        return "Error while opening file.";

    ErrorState errors{};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &errors, OnPngError, OnPngWarning);
    if (!png)
        return "Error while allocating memory for reading data.";
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return "Error while reading texture info.";
    }
    Source source{data, bytes.size(), 8};
    png_set_read_fn(png, &source, ReadFromMemory);

    HeaderInfo header{};
    std::string problem;
    if (!ReadHeader(png, info, header)) {
        problem = std::string("Error while reading texture info: ") + errors.message;
    } else if (!FitsImageBuffer(header.width, header.height) || header.channels != 4 ||
               header.rowBytes != static_cast<png_size_t>(header.width) * 4) {
        problem = "The picture is empty or too large.";
    }
    if (problem.empty() && target) {
        unsigned char* pixels = target(static_cast<std::size_t>(header.height) * header.rowBytes);
        if (!pixels) {
            problem = "Error while allocating memory for reading data.";
        } else {
            std::vector<png_bytep> rows(header.height);
            // The last row of the file is the first in memory.
            for (png_uint_32 r = 0; r < header.height; ++r)
                rows[r] = pixels + static_cast<std::size_t>(header.height - 1 - r) * header.rowBytes;
            if (!ReadRows(png, rows.data()))
                problem = std::string("Error while reading data: ") + errors.message;
        }
    }
    png_destroy_read_struct(&png, &info, nullptr);
    if (problem.empty()) {
        size.width = static_cast<int>(header.width);
        size.height = static_cast<int>(header.height);
    }
    return problem;
}

bool DecodePng(const std::string& bytes, const std::string& name, ImageData& image, bool headerOnly)
{
    PngTarget target;
    if (!headerOnly)
        target = [](std::size_t) {
            AllocateImageBuffers();
            return g_pixelBuffer;
        };
    PngSize size;
    const std::string problem = DecodePngPixels(bytes, target, size);
    if (!problem.empty()) {
        LogImageError("Can't load texture " + name + ". " + problem);
        image.MakeEmpty();
        return false;
    }
    image.width = size.width;
    image.height = size.height;
    image.bytesPerPixel = 4;
    image.hasAlpha = true;
    return true;
}
