// buttons.xml, the message box's check box and button.
#include "game/screens/MessageBoxFiles.h"
#include "gui/widgets/Button.h"
#include "gui/widgets/CheckBox.h"
#include "tests/fuzz/FuzzTarget.h"

namespace {

void Run(const std::uint8_t* data, std::size_t size)
{
    fuzz::OpenGlOnce();
    fuzz::OpenScriptOnce();
    fuzz::WriteInput("buttons.xml", data, size);
    LoadMessageBoxButtons("buttons.xml");
}

const fuzz::FuzzTarget target("buttons", Run);

} // namespace
