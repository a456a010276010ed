// Level.xml: one level as the board reads it, and every level's cell counts
// as the game state reads them against the shipped level map.
#include "game/board/LevelFile.h"
#include "game/state/LevelCellCountsFile.h"
#include "tests/fuzz/FuzzTarget.h"
#include "tests/fuzz/ShippedLevelMap.h"

namespace {

void Run(const std::uint8_t* data, std::size_t size)
{
    fuzz::WriteInput("Level.xml", data, size);
    ReadLevelFile("Level.xml", "Phoenicia_1");
    std::vector<std::vector<LevelInfo>> counts;
    LoadLevelCellCountsFile("Level.xml", fuzz::ShippedStages(), counts);
}

const fuzz::FuzzTarget target("level", Run);

} // namespace
