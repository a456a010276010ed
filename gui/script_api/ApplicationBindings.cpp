#include "gui/script_api/ApplicationBindings.h"

#include "engine/platform/Application.h"
#include "engine/platform/StartUp.h"

#include <luabind/luabind.hpp>

void RegisterApplicationBindings(lua_State* L)
{
    using namespace luabind;
    module(L)[
        def("CloseApplication", &CloseApplication),
        def("SetCustomCursor", &SetCustomCursor),
        def("ResetSplash", &ResetSplash),
        def("ShowWindowIfNoSplashes", &ShowWindowIfNoSplashes),
        def("NeedGetScreensaver", &NeedGetScreensaver)
    ];
}
