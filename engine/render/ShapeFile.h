#pragma once

// The binary shape file: indexed triangles with optional texture
// coordinates and per-triangle records, little-endian.
// Header (48 bytes): 28 unused bytes, position count P, triangle count T,
// texture-coordinate flag C (coordinates follow when > 0), a word for the
// per-triangle records, a second flag word. Then P positions (3 floats),
// T index triples, [U, U pairs (u, v), T index triples], [T records of 36 bytes].

#include "engine/util/Vector3.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct ShapeData {
    std::vector<Vector3> positions;
    std::vector<std::array<std::uint32_t, 3>> positionIndices;
    int texCoordCount = 0;
    std::vector<Vector3> texCoords; // u, v, 0
    std::vector<std::array<std::uint32_t, 3>> texCoordIndices;
    bool hasTriangleExtras = false;
    bool secondFlag = false;
    std::vector<std::array<unsigned char, 36>> triangleExtras;
};

// False (with a log line) for a missing or short file, or an index that
// points past its table.
bool ReadShapeFile(const std::string& name, ShapeData& shape);
