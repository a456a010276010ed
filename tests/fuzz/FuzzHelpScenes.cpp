// help.xml as the help boards read their scenes.
#include "game/board/HelpSceneFile.h"
#include "tests/fuzz/FuzzTarget.h"

namespace {

void Run(const std::uint8_t* data, std::size_t size)
{
    fuzz::WriteInput("help.xml", data, size);
    for (const char* name : {"window1", "window2"}) {
        HelpScene scene;
        ReadHelpScene("help.xml", name, scene);
    }
}

const fuzz::FuzzTarget target("help_scenes", Run);

} // namespace
