#pragma once

// The level screens' backdrops: for each of the seven countries a painted
// view around the board and the side panel in the country's own materials.
//
// Screen pixels, y downward. The side panel fills x 4..270: the title plate
// (14, 12)-(266, 70) under the level's title, the artefact's niche
// (18, 76)-(262, 334), the plate of the lives and the score (18, 340)-(262,
// 394), the sun's medallion round (141, 483) and the four bonus sockets
// round (227, 529), (52, 528), (53, 437) and (226, 437). The board stands in
// x 274..800 round y 300; the time bar along y 570..592.

#include "tools/artgen/Canvas.h"

// 800 x 600: the backdrop of country 1 to 7 (Phoenicia to Troy).
void DrawCountryBackdrop(Canvas& canvas, int stage);
