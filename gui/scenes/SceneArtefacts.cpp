#include "gui/scenes/SceneArtefacts.h"

namespace SceneArtefacts {

std::vector<SceneArtefactPiece> Pieces(int)
{
    return {};
}

void DrawFull(int, float, float) {}

bool BindPiece(int, int)
{
    return false;
}

void UploadPieces(int) {}

void ReleasePieces(int) {}

} // namespace SceneArtefacts
