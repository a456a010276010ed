#include "gui/script_api/ColorBindings.h"

#include "engine/util/Color.h"

#include <luabind/luabind.hpp>

void RegisterColorBindings(lua_State* L)
{
    using namespace luabind;
    module(L)[
        class_<Color>("Color")
            .def(constructor<int, int, int, int>())
            .def(constructor<int, int, int>())
    ];
}
