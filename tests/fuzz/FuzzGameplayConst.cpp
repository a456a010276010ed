// GameplayConst.xml, the game's tuning numbers.
#include "game/state/GameplayConstFile.h"
#include "tests/fuzz/FuzzTarget.h"

namespace {

void Run(const std::uint8_t* data, std::size_t size)
{
    fuzz::WriteInput("GameplayConst.xml", data, size);
    GameplayConstants constants;
    LoadGameplayConstFile("GameplayConst.xml", constants);
}

const fuzz::FuzzTarget target("gameplay_const", Run);

} // namespace
