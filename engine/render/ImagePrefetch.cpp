#include "engine/render/ImagePrefetch.h"

#include "engine/render/ImageBuffers.h"
#include "engine/render/ImageLoader.h"
#include "engine/util/FileSystem.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <system_error>

namespace {

// The prefetch the image loader asks; only the thread that makes prefetches
// reads or changes it.
ImagePrefetch* g_activePrefetch = nullptr;

constexpr unsigned kMostWorkers = 4;

} // namespace

unsigned ImagePrefetch::WorkerCount(unsigned hardwareThreads)
{
    return hardwareThreads < 2 ? 0 : std::min(kMostWorkers, hardwareThreads);
}

unsigned ImagePrefetch::DefaultWorkerCount()
{
    return WorkerCount(std::thread::hardware_concurrency());
}

ImagePrefetch::ImagePrefetch(const std::vector<std::string>& names, unsigned workers)
{
    previous = g_activePrefetch;
    g_activePrefetch = this;
    if (workers == 0)
        return;
    for (const std::string& name : names) {
        const std::string file = PngFileOf(name);
        if (file.empty() || indexOf.count(file))
            continue;
        indexOf.emplace(file, pictures.size());
        Picture picture;
        picture.file = file;
        pictures.push_back(std::move(picture));
    }
    const std::size_t count = std::min<std::size_t>(workers, pictures.size());
    for (std::size_t i = 0; i < count; ++i) {
        try {
            threads.emplace_back(&ImagePrefetch::Work, this);
        } catch (const std::system_error&) {
            break; // the pictures left are loaded by the caller
        }
    }
}

ImagePrefetch::~ImagePrefetch()
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        stopping = true;
    }
    Join();
    g_activePrefetch = previous;
}

void ImagePrefetch::Join()
{
    for (std::thread& thread : threads)
        if (thread.joinable())
            thread.join();
}

ImagePrefetch::Picture* ImagePrefetch::NextForWorker()
{
    std::lock_guard<std::mutex> lock(mutex);
    while (!stopping && nextPicture < pictures.size()) {
        Picture& picture = pictures[nextPicture++];
        if (picture.state == State::Waiting) {
            picture.state = State::Decoding;
            return &picture;
        }
    }
    return nullptr;
}

void ImagePrefetch::Decode(Picture& picture, std::unique_ptr<unsigned char[]>& pixels, PngSize& size)
{
    std::string bytes;
    if (!ReadWholeFile(picture.file, bytes))
        return;
    const PngTarget target = [&pixels](std::size_t count) {
        pixels.reset(new (std::nothrow) unsigned char[count]);
        return pixels.get();
    };
    if (!DecodePngPixels(bytes, target, size).empty())
        pixels.reset();
}

void ImagePrefetch::Work()
{
    while (Picture* picture = NextForWorker()) {
        std::unique_ptr<unsigned char[]> pixels;
        PngSize size;
        try {
            Decode(*picture, pixels, size);
        } catch (...) {
            pixels.reset(); // out of memory: the caller loads it
        }
        {
            std::lock_guard<std::mutex> lock(mutex);
            picture->state = pixels ? State::Decoded : State::Failed;
            picture->pixels = std::move(pixels);
            picture->size = size;
        }
        decoded.notify_all();
    }
}

bool ImagePrefetch::Take(const std::string& file, ImageData& image)
{
    return g_activePrefetch && g_activePrefetch->TakePicture(file, image);
}

bool ImagePrefetch::TakePicture(const std::string& file, ImageData& image)
{
    const auto found = indexOf.find(file);
    if (found == indexOf.end())
        return false;
    Picture& picture = pictures[found->second];
    std::unique_ptr<unsigned char[]> pixels;
    PngSize size;
    {
        std::unique_lock<std::mutex> lock(mutex);
        decoded.wait(lock, [&picture] { return picture.state != State::Decoding; });
        if (picture.state == State::Decoded) {
            pixels = std::move(picture.pixels);
            size = picture.size;
        }
        picture.state = State::Gone;
    }
    if (!pixels)
        return false;
    AllocateImageBuffers();
    std::memcpy(g_pixelBuffer, pixels.get(), static_cast<std::size_t>(size.width) * size.height * 4);
    image.width = size.width;
    image.height = size.height;
    image.bytesPerPixel = 4;
    image.hasAlpha = true;
    return true;
}
