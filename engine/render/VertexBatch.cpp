#include "engine/render/VertexBatch.h"

#include "engine/render/RenderDevice.h"
#include "engine/render/ShapeFile.h"

void VertexBatch::Resize(std::uint32_t n)
{
    vertexCount = n;
    vertices.resize(n);
    g_renderDevice.CreateVertexBuffer(*this, n);
}

void VertexBatch::Upload()
{
    g_renderDevice.UploadVertexBuffer(*this);
}

void VertexBatch::Draw() const
{
    g_renderDevice.DrawVertexBuffer(*this);
}

void VertexBatch::LoadFromFile(const std::string& name)
{
    ShapeData shape;
    const bool ok = ReadShapeFile(name, shape);
    positions = std::move(shape.positions);
    positionIndices = std::move(shape.positionIndices);
    texCoordCount = shape.texCoordCount;
    texCoords = std::move(shape.texCoords);
    texCoordIndices = std::move(shape.texCoordIndices);
    hasTriangleExtras = shape.hasTriangleExtras;
    secondFlag = shape.secondFlag;
    triangleExtras = std::move(shape.triangleExtras);
    const std::uint32_t triangles = ok ? static_cast<std::uint32_t>(positionIndices.size()) : 0;
    primitiveCount = triangles;
    vertexCount = 3 * triangles;
    vertices.assign(vertexCount, Vertex{});
    g_renderDevice.CreateVertexBuffer(*this, vertexCount);
    for (std::uint32_t t = 0; t < triangles; ++t) {
        for (int k = 0; k < 3; ++k) {
            Vertex& v = vertices[3 * t + k];
            const Vector3& p = positions[positionIndices[t][k]];
            v.x = p.x;
            v.y = p.y;
            v.z = p.z;
            v.diffuse = 0xFFFFFFFFu;
            v.u = v.v = 0.0f;
            if (texCoordCount > 0) {
                const Vector3& uv = texCoords[texCoordIndices[t][k]];
                v.u = uv.x;
                v.v = uv.y;
            }
        }
    }
    Upload();
}

void CreateParticleBuffer()
{
    g_particleBatch.Resize(1800);
}

void CreateQuadBatch()
{
    g_quadBatch.Resize(3000);
}
