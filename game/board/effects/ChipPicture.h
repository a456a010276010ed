#pragma once

// How board effects draw a chip: an animated chip (kind below 16) shows the
// current frame of its own animation; any other kind a cell of the board's
// chip atlas, a covered kind its cover's frame when the effect knows it.

class GameField;
class Square;

// The atlas frame of a kind: the cover frame of the first `knownCovers`
// covers in the order lock 30, double lock 31, ice 32, not-falling lock 33,
// not-falling double lock 34; else the level's colour of its colour index.
int ChipAtlasFrame(const GameField& field, int kind, int knownCovers);
// A quad of the cell size whose lower left corner is (-cell / 2, -cell / 2)
// in the current transform and colour.
void DrawChipCentred(const GameField& field, const Square& square, int knownCovers);
// The atlas cell of a frame as a w x h quad at (x, y).
void DrawAtlasCell(const GameField& field, int frame, int x, int y, int w, int h);
// The state every effect leaves behind: normal blend, opaque white.
void RestoreDrawState();
