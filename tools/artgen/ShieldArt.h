#pragma once

// The pictures of the shield screen: the shield on its dark wall with a
// socket for each gem, the seven gems cut to the shield's outlines, the
// glows the screen lays over lit gems, and the parchment that carries an
// artefact's text.

#include "tools/artgen/Canvas.h"

// The gem pictures' sizes: each gem's outline, counted from its picture's
// lower-left corner, with a little room beyond.
int ShieldGemPictureWidth(int gem);
int ShieldGemPictureHeight(int gem);

// 800 x 600.
void DrawShieldBack(Canvas& canvas);
// Gem 0 to 6 (Gold, Sky, Sun, Water, Weapon, Grass, Fire) at its picture size.
void DrawShieldGem(Canvas& canvas, int gem);
// The glow over gem 0 to 6, stretched by the screen over the gem's outline
// grown by kShieldGlowMargin on each side; white, the screen tints it.
void DrawShieldGlow(Canvas& canvas, int gem);
constexpr int kShieldGlowMargin = 14;
// 417 x 512: a sheet of parchment with rolled ends.
void DrawPergament(Canvas& canvas);
