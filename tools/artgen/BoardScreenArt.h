#pragma once

// The pictures of the board's screen: the chip atlas, the chips' turning
// sheets, the frames of the seven stages, the sun's layers and glows, the
// countries' cell pictures, and the small panel pieces (the countries'
// backdrops are CountryArt's).
//
// Texture coordinates read from the drawn pictures have v = 0 at the bottom
// row: a window v0..v1 of a picture h rows high lies in rows h (1 - v1) to
// h (1 - v0) here, rows counted from the top.

#include "tools/artgen/Canvas.h"
#include "tools/artgen/TitleLetterer.h"

// 512 x 512, cells of 80: the four glows along the top, the bonus icons in
// cells 12-15, musor 16, stone 23, the squares 0x48-0x4A in 24-26, life 28,
// heart 29, covers 30-34.
void DrawSquaresAtlas(Canvas& canvas);
// 512 x 256: 72 frames of 40 x 40, 12 a row from the top left; 0-35 one
// turn about the upright axis, 36-71 a flash of light. Sixteen chips of
// different shapes and colours.
void DrawChipTurnSheet(Canvas& canvas, int chip);
// 512 x 512: the frame of a stage; three piece types of 160 side by side from
// the right edge, the frame in the bottom 160 rows, its shadow above.
void DrawStageFrame(Canvas& canvas, int stage);
// 128 x 128: layer k (1-18) of the sun.
void DrawSunLayer(Canvas& canvas, int k);
// 128 x 128: the sun's charge glow, large or small.
void DrawSunGlow(Canvas& canvas, bool small);
// 512 x 512: the cells of a stage, eleven of 40 a side each way.
void DrawStageCells(Canvas& canvas, int stage);
void DrawTimeBarFrame(Canvas& canvas);
// 512 x 32: the fill (top half) and its blink (bottom half).
void DrawTimeBarFill(Canvas& canvas);
void DrawLifeIcon(Canvas& canvas);
void DrawWhite(Canvas& canvas);
// 64 x 64: a downward arrow in the window u 0..w, v 0.375..1.
void DrawTipArrow(Canvas& canvas, float uWidth);
void DrawEnergyStrip(Canvas& canvas);
void DrawTroyWheelPicture(Canvas& canvas);
void DrawBabylonTorches(Canvas& canvas);
void DrawBabylonGlow(Canvas& canvas);
void DrawRomeFoot(Canvas& canvas);
void DrawGreekBranches(Canvas& canvas);
// 64 x 64: a round white glow fading to its edge.
void DrawFlash(Canvas& canvas);
