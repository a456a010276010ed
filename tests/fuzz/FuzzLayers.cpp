// A layer file through the GUI manager, with every widget kind of the game
// installed as the game installs them: includes run, layers and their widgets
// built, then all of it deleted again.
#include "app/GameParts.h"
#include "engine/script/ScriptHost.h"
#include "gui/GUIManager.h"
#include "gui/InputMap.h"
#include "gui/controllers/ControllerManager.h"
#include "tests/fuzz/FuzzTarget.h"

namespace {

void PrepareFrameworkOnce()
{
    static bool prepared = false;
    if (prepared)
        return;
    fuzz::OpenGlOnce();
    OpenScriptState();
    GameParts().PrepareFramework();
    prepared = true;
}

void Run(const std::uint8_t* data, std::size_t size)
{
    PrepareFrameworkOnce();
    fuzz::WriteInput("layers.xml", data, size);
    {
        Core::GUIManager gui;
        gui.LoadLayers("layers.xml");
        kernel.FlushPending();
        kernel.Update(0.02f);
    }
    g_inputWidgets.Clear();
    kernel.FlushPending();
    kernel.Update(0.0f);
}

const fuzz::FuzzTarget target("layers", Run);

} // namespace
