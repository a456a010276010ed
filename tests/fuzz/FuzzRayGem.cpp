// RayGem.xml, the foot and colour of each gem's ray.
#include "game/screens/RayGemFile.h"
#include "tests/fuzz/FuzzTarget.h"

namespace {

void Run(const std::uint8_t* data, std::size_t size)
{
    fuzz::WriteInput("RayGem.xml", data, size);
    std::vector<RayGemEntry> entries;
    ReadRayGemFile("RayGem.xml", entries);
}

const fuzz::FuzzTarget target("ray_gem", Run);

} // namespace
