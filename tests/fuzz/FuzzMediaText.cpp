// mediaText.xml, the moving texts of the screens.
#include "game/screens/MediaText.h"
#include "game/screens/MediaTextFile.h"
#include "tests/fuzz/FuzzTarget.h"

namespace {

void Run(const std::uint8_t* data, std::size_t size)
{
    fuzz::WriteInput("mediaText.xml", data, size);
    ReadMediaTextFile("mediaText.xml");
}

const fuzz::FuzzTarget target("media_text", Run);

} // namespace
