// A bitmap font's metrics file, as the device reads it for each font.
#include "engine/render/FontMetricsFile.h"
#include "tests/fuzz/FuzzTarget.h"

namespace {

void Run(const std::uint8_t* data, std::size_t size)
{
    fuzz::WriteInput("font.txt", data, size);
    FontMetrics metrics;
    std::string error;
    FontMetricsFile::Read("font.txt", metrics, error);
}

const fuzz::FuzzTarget target("font_metrics", Run);

} // namespace
