#pragma once

// Recipes of the sail scene. Texture coordinates count v upward from the
// picture's bottom row, so each recipe places its parts by rows from the
// bottom; every picture is a power of two on each side, as the repeating
// ones must be.

#include "tools/artgen/Canvas.h"
#include "tools/artgen/TitleLetterer.h"

// 512 x 512: the sail in the bottom-left 452 x 502 pixels, and three 32 x 32
// fittings in the right column (rows 416 to 512 from the bottom).
void DrawSailAtlas(Canvas& canvas);
// 512 x 1024: two bundles of rigging in the bottom 600 rows, the left one
// in columns 0 to 144, the right one in 144 to 288.
void DrawRigging(Canvas& canvas);
// 512 x 256: the ship's rail in the bottom 108 rows, the yard over it in
// rows 108 to 204.
void DrawMastBands(Canvas& canvas);
// 64 x 64: a cloud in the bottom three quarters.
void DrawCloud(Canvas& canvas);
// 800 x 600: the sky behind the sail and a papyrus panel on the left.
void DrawSailBack(Canvas& canvas);
