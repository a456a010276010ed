#pragma once

// Recipes of the board effects' pictures: the lightning strip and its ball,
// the sun ray's second energy strip, the hint frame's piece, and the two
// sheets of shards that broken chips and covers fly apart in.

#include "tools/artgen/Canvas.h"
#include "tools/artgen/TitleLetterer.h"

#include <string>

// A white-blue bolt along the width, repeating seamlessly end to end.
void DrawLightningStrip(Canvas& canvas);
// A round white glow, hot in the middle.
void DrawFlashBall(Canvas& canvas);
// Streaks of warm light running along the width, repeating.
void DrawEnergyStreaks(Canvas& canvas);
// A small soft white star.
void DrawFramePiece(Canvas& canvas);
// 256 x 256: twelve rows of eight 20 x 20 shards, the chip colours 0 to 11
// from the top row down (v counts from the picture's bottom row).
void DrawChipShards(Canvas& canvas);
// 256 x 256: three bands of 80 rows, the covers (lock, double lock, ice)
// from the top band down, eight 20-wide shards each; at 200 and 220 of the
// top band the two halves of a life icon.
void DrawCoverShards(Canvas& canvas);
// 256 x 64: the word a long chain earns, in gold letters, centred.
void DrawChainWord(Canvas& canvas, TitleLetterer& serifBold, const std::string& word);
