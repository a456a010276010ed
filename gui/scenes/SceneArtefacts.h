#pragma once

// What the artefact objects of a scene need of the artefact catalogue, by
// country number (the artefact's index). A country the catalogue lacks has
// no pieces and draws nothing.

#include <string>
#include <vector>

struct SceneArtefactPiece {
    int x = 0; // place within the full picture
    int y = 0;
    int width = 0; // stored sizes (the file's + 4)
    int height = 0;
};

namespace SceneArtefacts {

std::vector<SceneArtefactPiece> Pieces(int country);
// The full picture, 256 x 256 at (x, y), in the current colour.
void DrawFull(int country, float x, float y);
// Binds piece i; false when there is no such piece.
bool BindPiece(int country, int piece);
void UploadPieces(int country);
void ReleasePieces(int country);

} // namespace SceneArtefacts
