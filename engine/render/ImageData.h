#pragma once

// A decoded image's record. The pixels themselves usually stay in the global
// pixel buffer (ImageBuffers.h) until the next load; a record owns a buffer
// of its own only when ownsPixels is set (chunks of big textures, masks).
// Pixels are always 4 bytes each in blue, green, red, alpha order, rows from
// the bottom of the picture up.

#include <string>

struct ImageData {
    ImageData() = default;
    ~ImageData();
    ImageData(const ImageData&) = delete;
    ImageData& operator=(const ImageData&) = delete;

    // Decodes the named image into the pixel buffer (LoadImage).
    void Load(const std::string& name);

    // Nothing decoded (missing or rejected file).
    bool IsEmpty() const { return width <= 0 || height <= 0; }
    // Where the pixels are: the own buffer, or else the global pixel buffer.
    unsigned char* Pixels() const;
    // Empties the record after a failed load.
    void MakeEmpty();

    bool ownsPixels = false;
    int kind = 0;
    bool hasAlpha = false;
    unsigned char* pixels = nullptr;
    int width = 0;
    int height = 0;
    int bytesPerPixel = 0;
};
