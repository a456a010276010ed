// artTexts.xml, the notes of the artefacts.
#include "game/screens/ArtTextsFile.h"
#include "tests/fuzz/FuzzTarget.h"

namespace {

void Run(const std::uint8_t* data, std::size_t size)
{
    fuzz::WriteInput("artTexts.xml", data, size);
    ArtTexts texts;
    ReadArtTextsFile("artTexts.xml", texts);
}

const fuzz::FuzzTarget target("art_texts", Run);

} // namespace
