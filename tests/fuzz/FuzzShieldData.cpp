// ShieldData.xml, the shield's gems, lights and paths.
#include "game/screens/ShieldDataFile.h"
#include "tests/fuzz/FuzzTarget.h"

namespace {

void Run(const std::uint8_t* data, std::size_t size)
{
    fuzz::WriteInput("ShieldData.xml", data, size);
    ShieldDataSpec shield;
    ReadShieldDataFile("ShieldData.xml", shield);
}

const fuzz::FuzzTarget target("shield_data", Run);

} // namespace
