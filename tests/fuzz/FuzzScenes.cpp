// mults.xml, the scenes of the countries and the menu.
#include "gui/scenes/LayerSet.h"
#include "gui/scenes/SceneFile.h"
#include "tests/fuzz/FuzzTarget.h"

namespace {

void Run(const std::uint8_t* data, std::size_t size)
{
    fuzz::OpenGlOnce();
    fuzz::OpenScriptOnce();
    fuzz::WriteInput("mults.xml", data, size);
    ReadSceneFile("mults.xml");
}

const fuzz::FuzzTarget target("scenes", Run);

} // namespace
