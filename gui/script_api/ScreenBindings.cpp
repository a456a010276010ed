#include "gui/script_api/ScreenBindings.h"

#include "gui/Layer.h"
#include "gui/ScreenImpl.h"

#include <luabind/luabind.hpp>

void RegisterScreenBindings(lua_State* L)
{
    using namespace luabind;
    using Core::ScreenImpl;
    module(L)[
        class_<ScreenImpl>("ScreenImpl")
            .def("pushLayer", &ScreenImpl::pushLayer)
            .def("popLayer", &ScreenImpl::popLayer)
    ];
}
