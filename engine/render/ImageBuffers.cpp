#include "engine/render/ImageBuffers.h"

void AllocateImageBuffers()
{
    if (!g_pixelBuffer)
        g_pixelBuffer = new unsigned char[kImageBufferBytes]();
    if (!g_scratchBuffer)
        g_scratchBuffer = new unsigned char[kImageBufferBytes]();
}

bool FitsImageBuffer(long long width, long long height)
{
    return width > 0 && height > 0 && width <= 65535 && height <= 65535 &&
           width * height * 4 <= static_cast<long long>(kImageBufferBytes);
}
