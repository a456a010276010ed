// The binary shape file of the vertex batches.
#include "engine/render/ShapeFile.h"
#include "tests/fuzz/FuzzTarget.h"

namespace {

void Run(const std::uint8_t* data, std::size_t size)
{
    fuzz::WriteInput("shape.bin", data, size);
    ShapeData shape;
    ReadShapeFile("shape.bin", shape);
}

const fuzz::FuzzTarget target("shape", Run);

} // namespace
