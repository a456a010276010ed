#pragma once

// A numbered series of picture files, one sprite per frame, loaded and
// released as a whole: frame i is the file path + prefix + number (with a
// leading "0" below 10) + "." + format, number = start + i x step.

#include <memory>
#include <string>
#include <vector>

class Sprite;

class FrameSequence {
public:
    // Creates keys empty sprites (none for a negative count).
    FrameSequence(const std::string& path, const std::string& prefix, const std::string& format, int keys, int start,
                  int step);
    ~FrameSequence();
    FrameSequence(const FrameSequence&) = delete;
    FrameSequence& operator=(const FrameSequence&) = delete;

    // The file name of frame i.
    std::string FrameFileName(int i) const;
    static std::string FrameFileName(const std::string& path, const std::string& prefix, const std::string& format,
                                     int start, int step, int i);
    // Loads, pads and uploads every frame (pixels freed), linear filtering.
    void LoadFrames();
    // Frees every frame's device texture; the sprites stay.
    void Release();

    std::vector<std::unique_ptr<Sprite>> frames;
    std::string path;
    std::string prefix;
    std::string format;
    int start = 0;
    int step = 1;
    int keys = 0;
};
