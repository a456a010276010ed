#pragma once

// The cloth of the map's flag: a strip of 16 quads beside the pole whose 17
// edges wave with the map's time. Held at the pole (the first three edges
// move less), shaded by how far each edge swings.

#include "engine/util/Color.h"
#include "engine/util/Vector3.h"

#include <array>

struct ClothEdge {
    float u = 0.0f;  // the edge's texture u (its rest x / 64)
    Vector3 lower;   // the corner on v = 0.5
    Vector3 upper;   // the corner on v = 1
    Color colour;
};

constexpr int kClothQuads = 16;
using FlagClothEdges = std::array<ClothEdge, kClothQuads + 1>;

// The edges at map time t; in shadow mode every corner is half-transparent
// grey. Positions are in the flag's own space (the pole from x 0 to 14).
FlagClothEdges ComputeFlagCloth(float t, bool shadow);

// Draws the strip with the bound picture; outside shadow mode the right edge
// of each quad reaches 0.25 pixel further so the quads leave no seam.
void DrawFlagCloth(const FlagClothEdges& edges, bool shadow);
