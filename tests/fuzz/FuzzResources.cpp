// The resource file: every section read into its declarations.
#include "engine/resources/ResourceFile.h"
#include "tests/fuzz/FuzzTarget.h"

namespace {

void Run(const std::uint8_t* data, std::size_t size)
{
    fuzz::WriteInput("resources.xml", data, size);
    ResourceFile file;
    file.Load("resources.xml");
}

const fuzz::FuzzTarget target("resources", Run);

} // namespace
