#pragma once

// What fills a shape: a colour for each point. Paints are plain functions so
// gradients and noise textures combine freely.

#include "tools/artgen/Colour.h"
#include "tools/artgen/Geometry.h"

#include <cstdint>
#include <functional>
#include <vector>

using Paint = std::function<Colour(Vec2)>;

struct ColourStop {
    float at;
    Colour colour;
};

Paint Solid(Colour colour);
// Colours along the line from `from` to `to`; stops at 0 to 1 in order.
Paint LinearGradient(Vec2 from, Vec2 to, std::vector<ColourStop> stops);
Paint LinearGradient(Vec2 from, Colour fromColour, Vec2 to, Colour toColour);
// Colours by distance from the centre, 0 at the centre and 1 at the radius.
Paint RadialGradient(Vec2 centre, float radius, std::vector<ColourStop> stops);

// Textures made from seeded noise, `scale` pixels per noise cell.
Paint Marble(Colour base, Colour vein, std::uint32_t seed, float scale);
Paint Papyrus(Colour base, std::uint32_t seed);
Paint Sandstone(Colour base, std::uint32_t seed, float scale);
// Fine light and dark speckle of at most the alpha, for worn metal and stone.
Paint Grain(std::uint32_t seed, float scaleX, float scaleY, float alpha);
// Another paint darkened and lightened a little by noise.
Paint Mottled(Paint paint, std::uint32_t seed, float scale, float amount);
