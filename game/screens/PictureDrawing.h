#pragma once

// Small drawing steps the screens share: a picture centred on the current
// origin at its own size, and one window of a bound picture over a rectangle,
// each in the device's current colour.

#include "engine/render/Rect.h"
#include "game/screens/WaypointSheet.h"

class Sprite;

// Binds the picture and draws its image (not the padding around it) centred
// on (0, 0).
void DrawCentredPicture(const Sprite& picture);

// The window of the bound picture over the rectangle.
void DrawCell(const Rect& area, const SheetCell& cell);
