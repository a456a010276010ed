#include "gui/script_api/DisplayModeBindings.h"

#include "engine/platform/MainWindow.h"

#include <luabind/luabind.hpp>

void RegisterDisplayModeBindings(lua_State* L)
{
    using namespace luabind;
    module(L)[
        def("SetFullscreenMode", &SetFullscreenMode),
        def("SetWindowedMode", &SetWindowedMode)
    ];
}
