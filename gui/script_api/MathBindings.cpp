#include "gui/script_api/MathBindings.h"

#include "engine/util/MathFunctions.h"

#include <luabind/luabind.hpp>

void RegisterMathBindings(lua_State* L)
{
    using namespace luabind;
    module(L)[
        def("lerp", &lerp),
        def("ease", &ease),
        def("getPeriod", &getPeriod)
    ];
}
