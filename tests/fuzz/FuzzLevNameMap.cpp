// LevNameMap.xml, the level names of each stage.
#include "game/board/LevNameMapFile.h"
#include "tests/fuzz/FuzzTarget.h"

namespace {

void Run(const std::uint8_t* data, std::size_t size)
{
    fuzz::WriteInput("LevNameMap.xml", data, size);
    LevNameMap map = {};
    ReadLevNameMapFile("LevNameMap.xml", map);
}

const fuzz::FuzzTarget target("lev_name_map", Run);

} // namespace
