#include "game/state/ArtefactCatalogue.h"

#include "engine/platform/HtmlLog.h"
#include "game/state/ArtefactFile.h"

#include <string>

namespace {

Artefact* FindForScript(int index)
{
    Artefact* artefact = g_artefacts.Find(index);
    if (!artefact)
        LogErrorText("There is no artefact " + std::to_string(index) + " (the catalogue holds " +
                     std::to_string(g_artefacts.Count()) + ")");
    return artefact;
}

} // namespace

Artefact* ArtefactCatalogue::Find(int index)
{
    if (index < 0 || index >= Count())
        return nullptr;
    return &_artefacts[static_cast<std::size_t>(index)];
}

void LoadArtefacts()
{
    // A file that does not load leaves the catalogue empty.
    if (!ReadArtefactFile("Artefact.xml", g_artefacts))
        LogError("Artefact.xml", "Can't load the artefacts; the catalogue stays empty");
}

void UploadArtefactTexture(int index)
{
    if (Artefact* artefact = FindForScript(index))
        artefact->UploadTexture();
}

void ReleaseArtefactTexture(int index)
{
    if (Artefact* artefact = FindForScript(index))
        artefact->ReleaseTexture();
}

void UploadArtefactElements(int index)
{
    if (Artefact* artefact = FindForScript(index))
        artefact->UploadElements();
}

void ReleaseArtefactElements(int index)
{
    if (Artefact* artefact = FindForScript(index))
        artefact->ReleaseElements();
}
