#pragma once

// The one vertex layout of all drawing: position, A8R8G8B8 colour (alpha in
// the top byte; in memory blue, green, red, alpha), texture coordinates.

#include <cstddef>
#include <cstdint>

struct Vertex {
    float x, y, z;
    std::uint32_t diffuse;
    float u, v;
};

static_assert(sizeof(Vertex) == 24, "the vertex layout is 24 bytes");
static_assert(offsetof(Vertex, diffuse) == 12, "colour follows the position");
static_assert(offsetof(Vertex, u) == 16, "texture coordinates follow the colour");
