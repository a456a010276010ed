#pragma once

// A mesh of vertices in memory with a device vertex buffer of the same size,
// for drawing many triangles with one call. g_quadBatch (3,000 vertices) is
// made when the device starts.

#include "engine/render/Vertex.h"
#include "engine/util/Vector3.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class VertexBatch {
public:
    VertexBatch() = default;
    VertexBatch(const VertexBatch&) = delete;
    VertexBatch& operator=(const VertexBatch&) = delete;

    // n vertices in memory and in the device buffer.
    void Resize(std::uint32_t n);
    // Two triangles per quad.
    void ResizeQuads(std::uint32_t quads) { Resize(quads * 6); }
    // Copies vertexCount vertices to the device buffer.
    void Upload();
    // vertexCount / 3 triangles from the device buffer.
    void Draw() const;
    // Fills the batch from a shape file; a file that does not read leaves
    // the batch empty (vertexCount 0).
    void LoadFromFile(const std::string& name);

    unsigned buffer = 0;
    std::vector<std::array<std::uint32_t, 3>> positionIndices;
    std::uint32_t vertexCount = 0;
    std::uint32_t primitiveCount = 0;
    std::vector<Vector3> positions;
    std::vector<std::array<unsigned char, 36>> triangleExtras;
    std::vector<Vector3> texCoords;
    std::vector<std::array<std::uint32_t, 3>> texCoordIndices;
    std::vector<Vertex> vertices;
    bool hasTriangleExtras = false;
    bool secondFlag = false;
    int texCoordCount = 0;
};

// The shared quad batch: 3,000 vertices once the device exists.
void CreateQuadBatch();
extern VertexBatch g_quadBatch;

// The shared particle batch: 1,800 vertices (300 quads) once the device exists.
void CreateParticleBuffer();
extern VertexBatch g_particleBatch;
