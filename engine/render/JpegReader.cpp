#include "engine/render/JpegReader.h"

#include "engine/render/ImageBuffers.h"
#include "engine/render/ImageLoader.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>

namespace {

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

extern "C" void OnJpegError(j_common_ptr info)
{
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

extern "C" void OnJpegMessage(j_common_ptr) {}

enum class Output { Bgra, Grey };

struct DecodeJob {
    const unsigned char* data;
    unsigned long size;
    Output output;
    unsigned char alpha;
    bool headerOnly;
    unsigned char* out;
    std::size_t capacity;
    int width;
    int height;
    bool tooLarge;
};

// Everything that may end in the library's error handler, with plain data
// only, so that the jump back skips no destructor.
bool RunDecode(jpeg_decompress_struct& info, ErrorManager& errors, DecodeJob& job)
{
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, job.data, job.size);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = job.output == Output::Bgra ? JCS_EXT_BGRA : JCS_GRAYSCALE;
    jpeg_calc_output_dimensions(&info);
    job.width = static_cast<int>(info.output_width);
    job.height = static_cast<int>(info.output_height);
    const std::size_t bytesPerPixel = job.output == Output::Bgra ? 4 : 1;
    const std::size_t rowBytes = static_cast<std::size_t>(job.width) * bytesPerPixel;
    if (job.width <= 0 || job.height <= 0 || rowBytes * job.height > job.capacity) {
        job.tooLarge = true;
        jpeg_destroy_decompress(&info);
        return false;
    }
    if (job.headerOnly) {
        jpeg_destroy_decompress(&info);
        return true;
    }
    jpeg_start_decompress(&info);
    while (info.output_scanline < info.output_height) {
        // The last row of the file is the first in memory.
        JSAMPROW row = job.out + (job.height - 1 - static_cast<int>(info.output_scanline)) * rowBytes;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    if (job.output == Output::Bgra && job.alpha != 255) {
        for (std::size_t i = 0; i < static_cast<std::size_t>(job.width) * job.height; ++i)
            job.out[i * 4 + 3] = job.alpha;
    }
    return true;
}

bool Decode(const std::string& bytes, const std::string& name, DecodeJob& job)
{
    jpeg_decompress_struct info;
    ErrorManager errors;
    std::memset(&info, 0, sizeof info);
    std::memset(&errors, 0, sizeof errors);
    info.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = OnJpegError;
    errors.pub.output_message = OnJpegMessage;
    job.data = reinterpret_cast<const unsigned char*>(bytes.data());
    job.size = static_cast<unsigned long>(bytes.size());
    job.tooLarge = false;
    if (bytes.empty()) {
        LogImageError("Can't load texture " + name + ". The file is empty.");
        return false;
    }
    if (RunDecode(info, errors, job))
        return true;
    if (job.tooLarge)
        LogImageError("Can't load texture " + name + ". The picture is empty or too large.");
    else
        LogImageError("Can't load texture " + name + ". " + errors.message);
    return false;
}

} // namespace

bool DecodeJpeg(const std::string& bytes, const std::string& name, ImageData& image, unsigned char alpha,
                bool headerOnly)
{
    AllocateImageBuffers();
    DecodeJob job{};
    job.output = Output::Bgra;
    job.alpha = alpha;
    job.headerOnly = headerOnly;
    job.out = g_pixelBuffer;
    job.capacity = kImageBufferBytes;
    if (!Decode(bytes, name, job)) {
        image.MakeEmpty();
        return false;
    }
    image.width = job.width;
    image.height = job.height;
    image.bytesPerPixel = 4;
    image.hasAlpha = false;
    return true;
}

bool DecodeJpegGrey(const std::string& bytes, const std::string& name, unsigned char* out, std::size_t capacity,
                    int& width, int& height)
{
    DecodeJob job{};
    job.output = Output::Grey;
    job.alpha = 255;
    job.headerOnly = false;
    job.out = out;
    job.capacity = capacity;
    if (!Decode(bytes, name, job))
        return false;
    width = job.width;
    height = job.height;
    return true;
}
