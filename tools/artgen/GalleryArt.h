#pragma once

// Recipes of the gallery: the view of each of the seven countries (drawn
// large for the scene window and small for the list), the bronze plates of
// the list with their numerals, the glow and the shadows that light or grey
// an item, the lock of a scene not yet reached, and the gallery's wall.

#include "tools/artgen/Canvas.h"
#include "tools/artgen/TitleLetterer.h"

// Country 1 to 7 (Phoenicia to Troy): its landmark on the shore under its
// own sky, the sea in the lower 45 per cent. Fills any size.
void DrawCountryView(Canvas& canvas, int country);
// A plate of the list: a bronze frame round a dark window whose left edge
// is windowLeft pixels in and whose top is 14 pixels down, 70 x 50, with
// the country's numeral in the band above the window.
void DrawListPlate(Canvas& canvas, TitleLetterer& serifBold, int country, int windowLeft);
// The soft golden light behind a lit plate.
void DrawActiveGlow(Canvas& canvas);
// The shadow a lit plate casts to its right.
void DrawActiveRightShadow(Canvas& canvas);
// The shadow on the floor under a grey plate, in the lower rows.
void DrawFloorShadow(Canvas& canvas);
// A small bronze padlock.
void DrawPadlock(Canvas& canvas);
// The big picture of a scene not yet reached (the list shows it only then):
// the country's view faded to an old sepia, barred by two chains and a
// padlock in the middle.
void DrawLockedCountryView(Canvas& canvas, int country);
// 800 x 600: the gallery's wall. A papyrus panel between two columns holds
// the scene window (149, 47)-(659, 472), painted with a galley at sea for
// the time no scene plays in it, and below it the ledge the list's plates
// stand on; the right column rests on a plinth whose face (694, 552)-(800,
// 600) carries the Back button.
void DrawGalleryWall(Canvas& canvas);
