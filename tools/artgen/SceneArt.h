#pragma once

// Recipes of the full-screen pictures: the coast with its temple (menu and
// title), the publisher's plate, the panel backdrops and the water.

#include "tools/artgen/Canvas.h"
#include "tools/artgen/TitleLetterer.h"

#include <functional>

// The light of the coast scene.
enum class CoastLight { Day, Dusk };

void DrawCoast(Canvas& canvas, CoastLight light);
void DrawTitleSplash(Canvas& canvas, TitleLetterer& serif, TitleLetterer& serifBold);
void DrawPublisherSplash(Canvas& canvas, TitleLetterer& serif, TitleLetterer& serifBold);

struct BackdropStyle {
    Colour stone;  // the wall behind the panel
    Colour vein;
    unsigned seed;
};
void DrawPanelBackdrop(Canvas& canvas, const BackdropStyle& style);

// The colours of a tiling water: its body from deep to light and the glints
// of its caustics.
struct WaterTones {
    Colour deep;
    Colour light;
    Colour glint;
    float glintStrength;
};
// The map's sea.
inline const WaterTones kMapWater{Rgb(0x0E4A74), Rgb(0x3C8CB8), Rgb(0xD8F0FF), 0.7f};
// The sail scene's sea, dark enough to be laid over itself four times.
inline const WaterTones kSailWater{Rgb(0x020A16), Rgb(0x0A2A44), Rgb(0x3A6A8A), 0.5f};
// Seamlessly tiling water.
void DrawWater(Canvas& canvas, const WaterTones& tones);
// Paints every pixel of a square picture from the tiling water's body noise
// and its caustic ridges (each 0 to 1), so that the picture tiles.
void FillTilingWater(Canvas& canvas, const std::function<Colour(float body, float caustic)>& paint);

// The frame over a scene window: a bronze rim with an open middle.
void DrawSceneFrame(Canvas& canvas);
// A small sailing ship, seen from the side, bow to the right, on a clear ground.
void DrawSceneShip(Canvas& canvas);
