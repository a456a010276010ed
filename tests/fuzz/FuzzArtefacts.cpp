// Artefact.xml, the catalogue of artefacts and their pieces.
#include "game/state/ArtefactCatalogue.h"
#include "game/state/ArtefactFile.h"
#include "tests/fuzz/FuzzTarget.h"

namespace {

void Run(const std::uint8_t* data, std::size_t size)
{
    fuzz::WriteInput("Artefact.xml", data, size);
    ArtefactCatalogue catalogue;
    ReadArtefactFile("Artefact.xml", catalogue);
}

const fuzz::FuzzTarget target("artefacts", Run);

} // namespace
