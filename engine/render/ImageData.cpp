#include "engine/render/ImageData.h"

#include "engine/render/ImageBuffers.h"
#include "engine/render/ImageLoader.h"

ImageData::~ImageData()
{
    FreeImageBuffer(*this);
}

void ImageData::Load(const std::string& name)
{
    ImageLoadRequest request{this, name};
    LoadImage(request);
}

unsigned char* ImageData::Pixels() const
{
    return pixels ? pixels : g_pixelBuffer;
}

void ImageData::MakeEmpty()
{
    width = 0;
    height = 0;
    bytesPerPixel = 0;
    hasAlpha = false;
}
