#pragma once

// Recipes of the pages shown over the board: the tiles of the in-game
// message box and its shadow, and the tablet of the level statistics page.

#include "tools/artgen/Canvas.h"

// 120 x 120: a 3 x 3 grid of 40-pixel tiles (corners, edges, middle) of a
// dark tablet in a bronze rim; the edge and middle tiles repeat seamlessly.
void DrawMessageTiles(Canvas& canvas);
// 120 x 120: the same grid as a soft alpha mask, for the box's shadow.
void DrawMessageShadowTiles(Canvas& canvas);
// A dark tablet in a golden frame for the white lines of the pages; the
// statistics' tablet has bands under its title and above its tip.
void DrawPageTablet(Canvas& canvas, bool withBands);
