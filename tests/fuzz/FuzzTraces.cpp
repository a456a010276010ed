// traces.xml, the paths the board's flights follow.
#include "game/board/TracesFile.h"
#include "tests/fuzz/FuzzTarget.h"

namespace {

void Run(const std::uint8_t* data, std::size_t size)
{
    fuzz::WriteInput("traces.xml", data, size);
    std::vector<Point> points;
    ReadTraceFile("traces.xml", "timeLine1", points);
}

const fuzz::FuzzTarget target("traces", Run);

} // namespace
