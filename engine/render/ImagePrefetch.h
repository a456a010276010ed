#pragma once

// Decodes, on worker threads, the PNG pictures that are about to be loaded
// one after another, so that each load finds its pixels ready. Purely a
// speed-up: a load that the prefetch serves gives the very record and pixel
// buffer a plain load gives, and anything the prefetch cannot serve (a file
// that is not a single PNG, a picture that failed, one no worker has begun)
// is loaded by the image loader as usual, with its usual log lines.
//
// While an ImagePrefetch lives it is the one the image loader asks (an
// earlier one is asked again once it ends). Workers only read files and
// decode into buffers of their own: they never log and never touch the
// pixel buffer or the settings. Everything else runs on the thread that made
// the prefetch.

#include "engine/render/ImageData.h"
#include "engine/render/PngReader.h"

#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

class ImagePrefetch {
public:
    // Starts decoding the PNG files that serve the names (PngFileOf), in
    // their order, on the given number of workers.
    ImagePrefetch(const std::vector<std::string>& names, unsigned workers = DefaultWorkerCount());
    // Stops the workers before their next picture, waits for them and frees
    // every picture not taken.
    ~ImagePrefetch();
    ImagePrefetch(const ImagePrefetch&) = delete;
    ImagePrefetch& operator=(const ImagePrefetch&) = delete;

    // Waits until the workers have gone through every picture; the decoded
    // ones stay to be taken.
    void Join();

    // For the image loader's full load of a PNG file (the exact name it
    // reads): when the active prefetch holds the picture, copies it into the
    // pixel buffer, fills the record as the PNG reader does, frees the copy
    // and returns true. Waits for a picture that a worker is decoding; a
    // picture no worker has begun is left to the caller and never decoded.
    static bool Take(const std::string& file, ImageData& image);

    // min(4, hardware threads); none on a machine of a single thread.
    static unsigned WorkerCount(unsigned hardwareThreads);
    static unsigned DefaultWorkerCount();

private:
    enum class State { Waiting, Decoding, Decoded, Failed, Gone };

    struct Picture {
        std::string file;
        State state = State::Waiting;
        std::unique_ptr<unsigned char[]> pixels;
        PngSize size;
    };

    void Work();
    // The next picture for a worker, marked as being decoded; null when none
    // is left or the prefetch is stopping.
    Picture* NextForWorker();
    static void Decode(Picture& picture, std::unique_ptr<unsigned char[]>& pixels, PngSize& size);
    bool TakePicture(const std::string& file, ImageData& image);

    std::vector<Picture> pictures;
    std::unordered_map<std::string, std::size_t> indexOf;
    std::vector<std::thread> threads;
    std::mutex mutex;
    std::condition_variable decoded;
    std::size_t nextPicture = 0;
    bool stopping = false;
    ImagePrefetch* previous = nullptr;
};
