// LevelMap.xml: read, written back and read again.
#include "game/state/LevelMapFile.h"
#include "tests/fuzz/FuzzTarget.h"

namespace {

void Run(const std::uint8_t* data, std::size_t size)
{
    fuzz::WriteInput("LevelMap.xml", data, size);
    std::vector<LevelMapStage> stages;
    if (!LoadLevelMapFile("LevelMap.xml", stages))
        return;
    SaveLevelMapFile("LevelMapCopy.xml", stages);
    std::vector<LevelMapStage> again;
    LoadLevelMapFile("LevelMapCopy.xml", again);
}

const fuzz::FuzzTarget target("level_map", Run);

} // namespace
