#pragma once

// JPEG files through libjpeg. Errors of the library are caught: the load is
// logged and fails, the process goes on.

#include "engine/render/ImageData.h"

#include <string>

// Colour picture into the pixel buffer as bottom-up BGRA with the given alpha
// byte (grey pictures become grey colour). False (record emptied, logged) on
// any error or when the picture does not fit the buffer.
bool DecodeJpeg(const std::string& bytes, const std::string& name, ImageData& image, unsigned char alpha,
                bool headerOnly);

// One byte (grey) per pixel, bottom-up, into out (capacity bytes).
bool DecodeJpegGrey(const std::string& bytes, const std::string& name, unsigned char* out, std::size_t capacity,
                    int& width, int& height);
