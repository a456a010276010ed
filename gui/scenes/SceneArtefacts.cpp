#include "gui/scenes/SceneArtefacts.h"

#include "engine/util/Point.h"
#include "game/state/ArtefactCatalogue.h"

namespace SceneArtefacts {

std::vector<SceneArtefactPiece> Pieces(int country)
{
    std::vector<SceneArtefactPiece> pieces;
    const Artefact* artefact = g_artefacts.Find(country);
    if (!artefact)
        return pieces;
    for (const ArtefactElement& element : artefact->elements)
        pieces.push_back(SceneArtefactPiece{element.x, element.y, element.width, element.height});
    return pieces;
}

void DrawFull(int country, float x, float y)
{
    if (Artefact* artefact = g_artefacts.Find(country))
        artefact->DrawFull(Point(static_cast<int>(x), static_cast<int>(y)));
}

bool BindPiece(int country, int piece)
{
    Artefact* artefact = g_artefacts.Find(country);
    if (!artefact || piece < 0 || piece >= static_cast<int>(artefact->elements.size()))
        return false;
    artefact->elements[static_cast<std::size_t>(piece)].texture.Bind();
    return true;
}

void UploadPieces(int country)
{
    if (Artefact* artefact = g_artefacts.Find(country))
        artefact->UploadElements();
}

void ReleasePieces(int country)
{
    if (Artefact* artefact = g_artefacts.Find(country))
        artefact->ReleaseElements();
}

} // namespace SceneArtefacts
