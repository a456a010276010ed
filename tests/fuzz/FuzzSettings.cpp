// settings.ini as the start reads it. Its first line may move the current
// folder: the work folder is made current again after each input.
#include "engine/platform/Settings.h"

#include <cstdlib>
#include <unistd.h>
#include "tests/fuzz/FuzzTarget.h"

namespace {

void Run(const std::uint8_t* data, std::size_t size)
{
    fuzz::WriteInput("settings.ini", data, size);
    ReadSettingsFile("settings.ini");
    if (chdir(fuzz::WorkDir().c_str()) != 0)
        std::abort();
}

const fuzz::FuzzTarget target("settings", Run);

} // namespace
