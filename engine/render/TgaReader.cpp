#include "engine/render/TgaReader.h"

#include "engine/backend/Window.h"
#include "engine/render/ImageBuffers.h"
#include "engine/render/ImageLoader.h"

#include <cstdint>
#include <cstring>

namespace {

struct TgaHeader {
    std::uint8_t idLength, colorMapType, imageType;
    std::uint16_t colorMapOrigin, colorMapLength;
    std::uint8_t colorMapEntrySize;
    std::uint16_t xOrigin, yOrigin, width, height;
    std::uint8_t pixelDepth, descriptor;
};

constexpr std::size_t kHeaderSize = 18;

std::uint16_t Read16(const unsigned char* p)
{
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

// The classic blocking message, and a log line for the record.
void Complain(const std::string& name, const std::string& text)
{
    LogImageError("Can't load texture " + name + ". " + text);
    backend::ShowMessageBox("TGA", text);
}

bool Fail(ImageData& image, const std::string& name, const std::string& text)
{
    LogImageError("Can't load texture " + name + ". " + text);
    image.MakeEmpty();
    return false;
}

// One pixel of the file (depthBytes bytes) as BGRA.
void ToBgra(const unsigned char* in, int depthBytes, bool grey, unsigned char* out)
{
    if (grey) {
        out[0] = out[1] = out[2] = in[0];
        out[3] = depthBytes == 2 ? in[1] : 255;
        return;
    }
    out[0] = in[0];
    out[1] = in[1];
    out[2] = in[2];
    out[3] = depthBytes == 4 ? in[3] : 255;
}

} // namespace

bool DecodeTga(const std::string& bytes, const std::string& name, ImageData& image, bool headerOnly)
{
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t size = bytes.size();
    if (size < kHeaderSize)
        return Fail(image, name, "The file is too short for a TGA header.");

    TgaHeader h;
    h.idLength = data[0];
    h.colorMapType = data[1];
    h.imageType = data[2];
    h.colorMapOrigin = Read16(data + 3);
    h.colorMapLength = Read16(data + 5);
    h.colorMapEntrySize = data[7];
    h.xOrigin = Read16(data + 8);
    h.yOrigin = Read16(data + 10);
    h.width = Read16(data + 12);
    h.height = Read16(data + 14);
    h.pixelDepth = data[16];
    h.descriptor = data[17];

    const int type = h.imageType;
    if (type == 0 || type >= 12 || (type >= 4 && type <= 8)) {
        Complain(name, "Unsupported image type.");
        image.MakeEmpty();
        return false;
    }
    if (type == 1 || type == 9) {
        if (h.colorMapType != 1 || h.colorMapEntrySize != 24)
            Complain(name, "Only 24bit paletted images are supported.");
        else
            Complain(name, "Unsupported image depth.");
        image.MakeEmpty();
        return false;
    }
    const bool grey = type == 3 || type == 11;
    const bool rle = type == 10 || type == 11;
    const int depth = h.pixelDepth;
    const bool depthOk = grey ? (depth == 8 || depth == 16) : (depth == 24 || depth == 32);
    if (!depthOk) {
        Complain(name, "Unsupported image depth.");
        image.MakeEmpty();
        return false;
    }
    const int width = h.width, height = h.height;
    if (!FitsImageBuffer(width, height))
        return Fail(image, name, "The picture is empty or too large.");

    image.width = width;
    image.height = height;
    image.bytesPerPixel = 4;
    image.hasAlpha = true;
    if (headerOnly)
        return true;

    std::size_t pos = kHeaderSize + h.idLength;
    if (h.colorMapType == 1)
        pos += static_cast<std::size_t>(h.colorMapLength) * ((h.colorMapEntrySize + 7) / 8);
    if (pos > size)
        return Fail(image, name, "The file is truncated.");

    AllocateImageBuffers();
    const int depthBytes = depth / 8;
    const std::size_t pixelCount = static_cast<std::size_t>(width) * height;
    unsigned char* out = g_scratchBuffer; // file row order
    if (!rle) {
        if (size - pos < pixelCount * depthBytes)
            return Fail(image, name, "The file is truncated.");
        for (std::size_t i = 0; i < pixelCount; ++i)
            ToBgra(data + pos + i * depthBytes, depthBytes, grey, out + i * 4);
    } else {
        std::size_t written = 0;
        while (written < pixelCount) {
            if (pos >= size)
                return Fail(image, name, "The file is truncated.");
            const unsigned char packet = data[pos++];
            const std::size_t count = (packet & 127u) + 1;
            const std::size_t take = count < pixelCount - written ? count : pixelCount - written;
            if (packet & 128u) {
                if (size - pos < static_cast<std::size_t>(depthBytes))
                    return Fail(image, name, "The file is truncated.");
                unsigned char pixel[4];
                ToBgra(data + pos, depthBytes, grey, pixel);
                pos += depthBytes;
                for (std::size_t i = 0; i < take; ++i)
                    std::memcpy(out + (written + i) * 4, pixel, 4);
            } else {
                if ((size - pos) / depthBytes < count)
                    return Fail(image, name, "The file is truncated.");
                for (std::size_t i = 0; i < take; ++i)
                    ToBgra(data + pos + i * depthBytes, depthBytes, grey, out + (written + i) * 4);
                pos += count * depthBytes;
            }
            written += take;
        }
    }

    // Rows go to the pixel buffer bottom-up: a top-left origin is turned over.
    const bool topOrigin = (h.descriptor & 0x20) != 0;
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 4;
    for (int row = 0; row < height; ++row) {
        const int target = topOrigin ? height - 1 - row : row;
        std::memcpy(g_pixelBuffer + target * rowBytes, out + row * rowBytes, rowBytes);
    }
    return true;
}
