// Music.xml, the tracks of each stage.
#include "game/state/MusicInfoFile.h"
#include "tests/fuzz/FuzzTarget.h"

namespace {

void Run(const std::uint8_t* data, std::size_t size)
{
    fuzz::WriteInput("Music.xml", data, size);
    std::vector<StageMusic> music;
    LoadMusicInfoFile("Music.xml", music);
}

const fuzz::FuzzTarget target("music", Run);

} // namespace
