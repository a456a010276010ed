#include "gui/script_api/ControllerBindings.h"

#include "gui/controllers/ControllerManager.h"

#include <luabind/adopt_policy.hpp>
#include <luabind/luabind.hpp>

void RegisterControllerManagerBindings(lua_State* L)
{
    using namespace luabind;
    using Core::ControllerManager;
    module(L)[
        class_<ControllerManager>("ControllerManager")
            // The manager owns what a script adds.
            .def("addController", &ControllerManager::addController, adopt(_2))
    ];
}

void RegisterIControllerBindings(lua_State* L)
{
    using namespace luabind;
    module(L)[
        class_<IController>("IController")
    ];
}
