#pragma once

// Recipes of the board's pictures: the chips, a cell, the frame and the
// white particle sprites that effects tint.

#include "tools/artgen/Canvas.h"

// One chip per square cell of the strip, left to right: ruby disc, lapis
// square, emerald triangle, amber hexagon, amethyst rhombus, turquoise drop,
// pearl star, carnelian scarab.
void DrawChipStrip(Canvas& canvas);
void DrawCell(Canvas& canvas);
// A frame around the board with an open middle.
void DrawBoardFrame(Canvas& canvas);
void DrawGlowParticle(Canvas& canvas);
void DrawSpark(Canvas& canvas);
