// levelTexts.xml, the map's notes on each level, against the shipped level
// map.
#include "game/screens/LevelTextsFile.h"
#include "tests/fuzz/FuzzTarget.h"
#include "tests/fuzz/ShippedLevelMap.h"

namespace {

void Run(const std::uint8_t* data, std::size_t size)
{
    fuzz::WriteInput("levelTexts.xml", data, size);
    LevelTexts texts;
    LoadLevelTextsFile("levelTexts.xml", fuzz::ShippedStages(), texts);
}

const fuzz::FuzzTarget target("level_texts", Run);

} // namespace
