#pragma once

// The seven artefacts the player assembles, one per country: a bronze and
// gold medallion of 256 x 256 with the country's emblem, and its sixteen
// pieces of 64 x 64 cut in rows of four, as Artefact.xml places them.

#include "tools/artgen/Canvas.h"

constexpr int kArtefactCount = 7;
constexpr int kArtefactPieces = 16;

// Artefact 0 to 6 on a 256 x 256 canvas.
void DrawArtefact(Canvas& canvas, int artefact);
// Piece 0 to 15 of the artefact on a 64 x 64 canvas: piece n covers the
// picture's column n % 4 and its row n / 4 counted up from the bottom, at
// x and y of 64 times those (y upward, as the screen counts).
void DrawArtefactPiece(Canvas& canvas, int artefact, int piece);
