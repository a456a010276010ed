#include "tests/fuzz/ImageFuzzing.h"

#include "engine/platform/Settings.h"
#include "engine/render/ImageBuffers.h"
#include "engine/render/ImageData.h"
#include "engine/render/ImageLoader.h"
#include "tests/fuzz/FuzzTarget.h"

namespace fuzz {

void LoadPictureAs(const char* fileName, const std::uint8_t* data, std::size_t size)
{
    static const bool prepared = [] {
        AllocateImageBuffers();
        // Names are taken as they stand: no JPEG pairs, no PNG in place.
        g_settings.useJpegPairs = false;
        g_settings.loadPngImages = false;
        return true;
    }();
    (void)prepared;
    fuzz::WriteInput(fileName, data, size);
    ImageData header;
    ImageLoadRequest info{&header, fileName};
    ReadImageInfo(info);
    ImageData image;
    ImageLoadRequest load{&image, fileName};
    LoadImage(load);
    PadImageToPowerOfTwo(image);
}

} // namespace fuzz
