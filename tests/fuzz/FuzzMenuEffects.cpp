// MenuEffects.xml, the main menu's waves and effects.
#include "game/screens/MenuEffectsFile.h"
#include "tests/fuzz/FuzzTarget.h"

namespace {

void Run(const std::uint8_t* data, std::size_t size)
{
    fuzz::WriteInput("MenuEffects.xml", data, size);
    MenuEffectsData effects;
    ReadMenuEffectsFile("MenuEffects.xml", effects);
}

const fuzz::FuzzTarget target("menu_effects", Run);

} // namespace
