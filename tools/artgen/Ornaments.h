#pragma once

// The ornaments the pictures share: meander bands, laurel branches, columns,
// temples, rosettes, bronze frames and lettering in the game's type.

#include "tools/artgen/Canvas.h"
#include "tools/artgen/TitleLetterer.h"

#include <string>
#include <vector>

// A Greek key band filling the box (drawn along its longer side).
void DrawMeanderBand(Canvas& canvas, const Box& box, const Colour& line, const Colour& background);

// A laurel branch along a circle from one angle to the other (radians,
// clockwise on screen), leaves in pairs.
void DrawLaurel(Canvas& canvas, Vec2 centre, float radius, float from, float to, float leafSize, const Colour& colour);

// A fluted column with capital and base standing in the box.
void DrawColumn(Canvas& canvas, const Box& box, const Colour& stone);

// A temple front: steps, a row of columns, architrave and pediment.
void DrawTemple(Canvas& canvas, const Box& box, int columns, const Colour& stone);

// A round boss with a star of petals.
void DrawRosette(Canvas& canvas, Vec2 centre, float radius, const Colour& metal);

// A bevelled metal frame of the given width around the box's edge with
// a hole inside (the hole stays as it is).
void DrawBronzeFrame(Canvas& canvas, const Box& box, float width, float radius, const Colour& metal);

// A bevelled plate of metal with a top-to-bottom sheen.
void DrawMetalPlate(Canvas& canvas, const Shape& shape, const Box& box, const Colour& metal, bool sunken);

// Darkens the picture towards its edges by up to the strength.
void Vignette(Canvas& canvas, float strength);

// A ridge line from noise between left and right, about baseY and up to the
// height above it, closed down to bottom: hills, walls' broken tops.
ShapePtr Ridge(float left, float right, float baseY, float height, float bottom, unsigned seed, float roughness);

struct LetteringStyle {
    std::vector<ColourStop> fill;  // top to bottom of the letters
    Colour outline{0, 0, 0, 0};
    int outlineWidth = 0;
    Colour shadow{0, 0, 0, 0};
    int shadowBlur = 0;
    Vec2 shadowOffset{0, 0};
    Colour glow{0, 0, 0, 0};
    int glowRadius = 0;
};

// Gold letters with a dark outline, a soft shadow and a warm glow: the
// game's title on its pictures.
LetteringStyle GoldTitleLettering();

// One line of text centred on x with its top at y; returns the box it took.
Box DrawLettering(Canvas& canvas, TitleLetterer& painter, const std::string& text, int pixelSize, int spacing,
                  Vec2 centreTop, const LetteringStyle& style);
