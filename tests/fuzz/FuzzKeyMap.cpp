// KeyMap.xml, the scripts bound to keys, as the application reads it at start.
#include "engine/platform/Application.h"
#include "tests/fuzz/FuzzTarget.h"
#include "tests/support/NullFrameServices.h"

#include <memory>

namespace {

void Run(const std::uint8_t* data, std::size_t size)
{
    static Application application(false, std::make_unique<testing_support::NullFrameServices>());
    fuzz::WriteInput("KeyMap.xml", data, size);
    application.LoadKeyMap();
}

const fuzz::FuzzTarget target("key_map", Run);

} // namespace
