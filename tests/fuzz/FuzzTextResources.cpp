// A text resource file: strings and text blocks, with a text variable filled
// into the blocks.
#include "gui/GUIManager.h"
#include "tests/fuzz/FuzzTarget.h"

namespace {

void Run(const std::uint8_t* data, std::size_t size)
{
    fuzz::WriteInput("texts.xml", data, size);
    Core::GUIManager gui;
    gui.LoadText("texts.xml");
    gui.SetTextVariable("Name", "Ann");
}

const fuzz::FuzzTarget target("text_resources", Run);

} // namespace
