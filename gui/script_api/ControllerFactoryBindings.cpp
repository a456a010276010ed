#include "gui/script_api/ControllerFactoryBindings.h"

#include "gui/controllers/ControllerFactory.h"

#include <luabind/adopt_policy.hpp>
#include <luabind/luabind.hpp>

void RegisterControllerFactoryBindings(lua_State* L)
{
    using namespace luabind;
    module(L)[
        class_<ControllerFactory>("TControllerFactory")
            // nil for a type name that is not registered or arguments
            // refused. The script holds the new controller until it hands it
            // to kernel; one it drops is collected.
            .def("Create", &ControllerFactory::Create, adopt(result))
    ];
}
