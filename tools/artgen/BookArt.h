#pragma once

// Recipes of the pages' backdrop: the sunken hall behind the story and
// closing pages, the stone arch in front of it (open in the middle, where
// the fish swim behind it) and the glow along the arch's inner edge that
// the pages light in drifting colours.

#include "tools/artgen/Canvas.h"

// The deep water behind the arch: light falling from the surface, far
// rocks and the sea floor.
void DrawHistoryBack(Canvas& canvas);
// The arch in front: two columns and the vault over them, weed on the
// stones, steps at the bottom; transparent inside.
void DrawHistoryFirstPlane(Canvas& canvas);
// The right half of the glow along the arch's inner edge, white in a clear
// field; its left edge is the middle of the screen and its bottom row the
// screen's bottom (the picture is taller than the screen).
void DrawHistoryArcMask(Canvas& canvas);
