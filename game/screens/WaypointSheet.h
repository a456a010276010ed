#pragma once

// Where the world map's symbols sit in their pictures, as texture windows.
//
// The waypoint sheet (128 x 256, cells of 64 x 32): stage s owns the cell at
// u = (s / 8) * 0.5, v = 1 - ((s mod 8) + 1) / 8; the cell's left half is
// the symbol of a stage's first level, its right half that of every other
// level. The right column holds the "current" symbol in its top row, the
// "locked" symbol below it (halves as for a stage) and the glow in the left
// half of its third row. The country badges are one 128 x 32 row per stage,
// stage 0 at the top.

struct SheetCell {
    float uLeft = 0.0f;
    float uRight = 0.0f;
    float vBottom = 0.0f;
    float vTop = 0.0f;
};

SheetCell StageCell(int stage, bool firstLevel);
SheetCell CurrentCell(bool firstLevel);
SheetCell LockedCell(bool firstLevel);
SheetCell GlowCell();
SheetCell BadgeRow(int stage);
