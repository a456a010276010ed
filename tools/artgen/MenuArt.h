#pragma once

// Recipes of the main menu's pictures: the sea it stands in, the sunken
// colonnade, the light that drifts over it, the weed, the fish, the seven
// gems and their rays, the hi-score tablet, the greeting, the publisher's
// logo button and the screenshots of the slide show.

#include "tools/artgen/Canvas.h"
#include "tools/artgen/TitleLetterer.h"

// The open sea from the bright surface down to a sandy floor (opaque).
void DrawUnderwaterBackdrop(Canvas& canvas);
// A sunken temple: columns on a stepped floor under a broken beam, with a
// fallen and a broken column on the right; clear around it.
void DrawColonnade(Canvas& canvas);
// Light for additive blending: shafts from the surface and a net of
// caustics, carried in the alpha.
void DrawLightMask(Canvas& canvas);
// A small silver fish of a school, head to the right, filling the canvas.
void DrawSchoolFish(Canvas& canvas);
// A ribbon of kelp rooted at the bottom edge.
void DrawWeed(Canvas& canvas);
// The gem of one country, 0 to 6: ruby, amber, emerald, sapphire,
// amethyst, turquoise, diamond.
void DrawMenuGem(Canvas& canvas, int index);
// A beam along the canvas (u) with its bright core across the middle (v),
// tiling along its length: 0 the coloured ray, 1 its fine streaks, 2 a
// soft broad glow. On black, for added light.
void DrawLightBeam(Canvas& canvas, int kind);
// The dark stone tablet of the hi-score panel with its title.
void DrawHiScoreTablet(Canvas& canvas, TitleLetterer& serifBold);
// "Welcome," in gold letters.
void DrawWelcomeLettering(Canvas& canvas, TitleLetterer& serifBold);
// A small bronze plate "Change player"; with glow, only the light around
// it (for added light over the plate).
void DrawChangePlayerPlate(Canvas& canvas, TitleLetterer& serifBold, bool glow);
// The publisher's logo on a clear ground, lit up when hovered.
void DrawLogoButton(Canvas& canvas, TitleLetterer& serifBold, bool hovered);
// A small picture of one of the game's screens (0 the board, 1 the map,
// 2 the menu, 3 the shield), in colour or in grey.
void DrawScreenshot(Canvas& canvas, int index, bool colour);
// One frame (0 to 7) of a swimming fish of one kind (0 to 4), head to the
// right, its tail swinging through the frames.
void DrawFishFrame(Canvas& canvas, int kind, int frame);
// A small air bubble.
void DrawBubble(Canvas& canvas);
