// JPEG pictures.
#include "tests/fuzz/FuzzTarget.h"
#include "tests/fuzz/ImageFuzzing.h"

namespace {

void Run(const std::uint8_t* data, std::size_t size)
{
    fuzz::LoadPictureAs("picture.jpg", data, size);
}

const fuzz::FuzzTarget target("jpeg", Run);

} // namespace
