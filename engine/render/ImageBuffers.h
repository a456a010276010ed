#pragma once

// The two global image buffers: every loader leaves its result in the pixel
// buffer, and the scratch buffer is their working space. A texture is made
// from the pixel buffer before the next image is loaded.

#include <cstddef>

constexpr std::size_t kImageBufferBytes = 4194304;

extern unsigned char* g_pixelBuffer;
extern unsigned char* g_scratchBuffer;

// Allocates both buffers once (later calls do nothing).
void AllocateImageBuffers();

// True when width x height pixels of 4 bytes fit one buffer.
bool FitsImageBuffer(long long width, long long height);
