#pragma once

// Recipes of the full-screen pictures: the coast with its temple (menu and
// title), the publisher's plate, the panel backdrops and the water.

#include "tools/artgen/Canvas.h"
#include "tools/artgen/TextPainter.h"

// The light of the coast scene.
enum class CoastLight { Day, Dusk };

void DrawCoast(Canvas& canvas, CoastLight light);
void DrawTitleSplash(Canvas& canvas, TextPainter& serif, TextPainter& serifBold);
void DrawPublisherSplash(Canvas& canvas, TextPainter& serif, TextPainter& serifBold);

struct BackdropStyle {
    Colour stone;  // the wall behind the panel
    Colour vein;
    unsigned seed;
};
void DrawPanelBackdrop(Canvas& canvas, const BackdropStyle& style);

// Seamlessly tiling water.
void DrawWater(Canvas& canvas);

// The frame over a scene window: a bronze rim with an open middle.
void DrawSceneFrame(Canvas& canvas);
// A small sailing ship, seen from the side, bow to the right, on a clear ground.
void DrawSceneShip(Canvas& canvas);
