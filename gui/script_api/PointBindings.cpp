#include "gui/script_api/PointBindings.h"

#include "engine/util/Point.h"

#include <luabind/luabind.hpp>

void RegisterPointBindings(lua_State* L)
{
    using namespace luabind;
    module(L)[
        class_<Point>("Point")
            .def(constructor<int, int>())
    ];
}
