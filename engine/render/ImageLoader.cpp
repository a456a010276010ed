#include "engine/render/ImageLoader.h"

#include "engine/platform/HtmlLog.h"
#include "engine/platform/Settings.h"
#include "engine/render/ImageBuffers.h"
#include "engine/render/ImagePrefetch.h"
#include "engine/render/JpegReader.h"
#include "engine/render/PngReader.h"
#include "engine/render/TgaReader.h"
#include "engine/util/FileSystem.h"

#include <cstring>

namespace {

enum class Kind { None, Jpeg, Tga, Png, Mask };

// Image error lines written so far: a load that gives no picture tells from
// it whether a reader has already said why.
int g_imageErrorLines = 0;

// The last three characters, in lower or upper case only.
Kind KindOf(const std::string& name)
{
    if (name.size() < 3)
        return Kind::None;
    const std::string ext = name.substr(name.size() - 3);
    if (ext == "jpg" || ext == "JPG")
        return Kind::Jpeg;
    if (ext == "tga" || ext == "TGA")
        return Kind::Tga;
    if (ext == "png" || ext == "PNG")
        return Kind::Png;
    if (ext == "msk" || ext == "MSK")
        return Kind::Mask;
    return Kind::None;
}

// The name without ".ext"; empty when the name is too short to have one.
std::string StemOf(const std::string& name)
{
    return name.size() > 4 ? name.substr(0, name.size() - 4) : std::string();
}

// Reading a header alone is quiet about a missing file: the picture's load
// reports it.
bool ReadFile(const std::string& name, std::string& bytes, bool quiet)
{
    if (ReadWholeFile(name, bytes))
        return true;
    if (!quiet)
        LogImageError("Can't load texture " + name + ". Error while opening file.");
    return false;
}

bool LoadJpegFile(const std::string& name, ImageData& image, bool headerOnly)
{
    std::string bytes;
    if (!ReadFile(name, bytes, headerOnly)) {
        image.MakeEmpty();
        return false;
    }
    return DecodeJpeg(bytes, name, image, 255, headerOnly);
}

// Colour from stem_base.jpg, alpha from the grey stem_alpha.jpg.
void LoadJpegPair(const std::string& stem, ImageData& image, bool headerOnly)
{
    const std::string baseName = stem + "_base.jpg";
    const std::string alphaName = stem + "_alpha.jpg";
    std::string bytes;
    if (!ReadFile(baseName, bytes, headerOnly)) {
        image.MakeEmpty();
        return;
    }
    if (!DecodeJpeg(bytes, baseName, image, 0, headerOnly))
        return;
    image.hasAlpha = true;
    if (headerOnly)
        return;
    if (!ReadFile(alphaName, bytes, false)) {
        image.MakeEmpty();
        return;
    }
    int width = 0, height = 0;
    if (!DecodeJpegGrey(bytes, alphaName, g_scratchBuffer, kImageBufferBytes, width, height)) {
        image.MakeEmpty();
        return;
    }
    if (width != image.width || height != image.height) {
        LogImageError("Can't load texture " + alphaName + ". Its size differs from " + baseName + ".");
        image.MakeEmpty();
        return;
    }
    const std::size_t count = static_cast<std::size_t>(width) * height;
    for (std::size_t i = 0; i < count; ++i)
        g_pixelBuffer[i * 4 + 3] = g_scratchBuffer[i];
    image.bytesPerPixel = 4;
    image.hasAlpha = true;
}

// Names outside the game folder ("..\", the splash pictures) are never
// served by pairs or PNG copies.
bool IsOutside(const std::string& name)
{
    return name.compare(0, 3, "..\\") == 0;
}

bool ServedByPair(const std::string& name)
{
    return g_settings.useJpegPairs && !IsOutside(name);
}

// The name after the PNG switch, for a name not served by a pair.
std::string AfterPngSwitch(const std::string& name)
{
    if (g_settings.loadPngImages && !IsOutside(name) && name.size() >= 3)
        return name.substr(0, name.size() - 3) + "png";
    return name;
}

// Returns the file that serves the name (the first of a pair), or empty when
// the name gives none.
std::string Load(ImageLoadRequest& request, bool headerOnly)
{
    if (!request.image)
        return std::string();
    AllocateImageBuffers();
    ImageData& image = *request.image;
    const std::string& asked = request.name;

    if (ServedByPair(asked)) {
        const Kind kind = KindOf(asked);
        const std::string stem = StemOf(asked);
        if (stem.empty())
            return std::string();
        if (kind == Kind::Tga || kind == Kind::Png) {
            LoadJpegPair(stem, image, headerOnly);
        } else if (kind == Kind::Jpeg) {
            if (LoadJpegFile(stem + "_base.jpg", image, headerOnly))
                image.hasAlpha = false;
        } else {
            return std::string();
        }
        return stem + "_base.jpg";
    }

    const std::string name = AfterPngSwitch(asked);
    std::string bytes;
    switch (KindOf(name)) {
    case Kind::Jpeg:
        if (LoadJpegFile(name, image, headerOnly))
            image.hasAlpha = false;
        break;
    case Kind::Tga:
        if (!ReadFile(name, bytes, headerOnly))
            image.MakeEmpty();
        else
            DecodeTga(bytes, name, image, headerOnly);
        break;
    case Kind::Png:
        if (!headerOnly && ImagePrefetch::Take(name, image))
            break;
        // A missing PNG has no line of the reader's own (see LoadAndReport).
        if (!ReadFile(name, bytes, true))
            image.MakeEmpty();
        else
            DecodePng(bytes, name, image, headerOnly);
        break;
    case Kind::Mask: {
        const std::string stem = StemOf(name);
        if (stem.empty())
            return std::string();
        LoadJpegPair(stem, image, headerOnly);
        return stem + "_base.jpg";
    }
    case Kind::None:
        return std::string();
    }
    return name;
}

// A load that gives no picture always leaves one line: the reader's own about
// the file it read, or else this one with the name asked for (a missing PNG,
// a name that is not that of a picture file).
void LoadAndReport(ImageLoadRequest& request)
{
    const int linesBefore = g_imageErrorLines;
    const std::string file = Load(request, false);
    if (!request.image || !request.image->IsEmpty() || g_imageErrorLines != linesBefore)
        return;
    std::string text = "Can't load texture " + request.name + ". ";
    if (file.empty())
        text += "The name is not that of a picture file.";
    else if (file == request.name)
        text += "Error while opening file.";
    else
        text += "Error while opening file " + file + ".";
    LogImageError(text);
}

} // namespace

std::string PngFileOf(const std::string& name)
{
    if (ServedByPair(name) || IsOutside(name))
        return std::string();
    std::string file = AfterPngSwitch(name);
    return KindOf(file) == Kind::Png ? file : std::string();
}

void LoadImage(ImageLoadRequest& request)
{
    LoadAndReport(request);
}

void LoadImageFile(ImageLoadRequest& request)
{
    LoadAndReport(request);
}

void ReadImageInfo(ImageLoadRequest& request)
{
    Load(request, true);
}

int PaddedImageSize(int n)
{
    if (n > 4096)
        return 0;
    int size = 4;
    while (size < n)
        size *= 2;
    return size;
}

void PadImageToPowerOfTwo(ImageData& image)
{
    if (image.IsEmpty())
        return;
    const int width = image.width, height = image.height;
    const int paddedWidth = PaddedImageSize(width);
    const int paddedHeight = PaddedImageSize(height);
    if (paddedWidth == 0 || paddedHeight == 0 || !FitsImageBuffer(paddedWidth, paddedHeight)) {
        LogImageError("Can't pad a picture of " + std::to_string(width) + " x " + std::to_string(height) +
                      ": it does not fit the image buffer.");
        image.MakeEmpty();
        return;
    }
    image.bytesPerPixel = 4;
    if (paddedWidth == width && paddedHeight == height)
        return;
    AllocateImageBuffers();
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 4;
    const std::size_t paddedRowBytes = static_cast<std::size_t>(paddedWidth) * 4;
    std::memcpy(g_scratchBuffer, g_pixelBuffer, rowBytes * height);
    std::memset(g_pixelBuffer, 0, paddedRowBytes * paddedHeight);
    for (int row = 0; row < height; ++row)
        std::memcpy(g_pixelBuffer + row * paddedRowBytes, g_scratchBuffer + row * rowBytes, rowBytes);
    image.width = paddedWidth;
    image.height = paddedHeight;
}

void CheckTextureSize(ImageData& image)
{
    if (image.IsEmpty())
        return;
    if (PaddedImageSize(image.width) == 0 || PaddedImageSize(image.height) == 0 ||
        !FitsImageBuffer(image.width, image.height)) {
        LogImageError("Can't make a texture of a picture of " + std::to_string(image.width) + " x " +
                      std::to_string(image.height) + ": it is too large.");
        image.MakeEmpty();
        return;
    }
    image.bytesPerPixel = 4;
}

void LoadMaskImage(const std::string& name, ImageData& mask)
{
    FreeImageBuffer(mask);
    mask.Load(name);
    if (mask.IsEmpty())
        return;
    PadImageToPowerOfTwo(mask);
    if (mask.IsEmpty())
        return;
    const std::size_t bytes = static_cast<std::size_t>(mask.width) * mask.height * 4;
    mask.pixels = new unsigned char[bytes];
    std::memcpy(mask.pixels, g_pixelBuffer, bytes);
    mask.ownsPixels = true;
    mask.bytesPerPixel = 4;
}

void MergeAlphaMask(const ImageData& mask, ImageData& image)
{
    if (image.IsEmpty() || image.bytesPerPixel != 4 || !mask.pixels || mask.IsEmpty() || mask.bytesPerPixel <= 0)
        return;
    unsigned char* target = image.Pixels();
    if (!target)
        return;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            unsigned char value = 0;
            if (x < mask.width && y < mask.height)
                value = mask.pixels[(static_cast<std::size_t>(y) * mask.width + x) * mask.bytesPerPixel];
            target[(static_cast<std::size_t>(y) * image.width + x) * 4 + 3] = value;
        }
    }
    image.hasAlpha = true;
}

void LogImageError(const std::string& text)
{
    ++g_imageErrorLines;
    LogError("ERROR", text);
}

void FreeImageBuffer(ImageData& image)
{
    if (image.ownsPixels)
        delete[] image.pixels;
    image.pixels = nullptr;
    image.ownsPixels = false;
}
