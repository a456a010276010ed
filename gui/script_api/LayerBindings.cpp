#include "gui/script_api/LayerBindings.h"

#include "gui/Layer.h"
#include "gui/Widget.h"

#include <luabind/luabind.hpp>

void RegisterLayerBindings(lua_State* L)
{
    using namespace luabind;
    module(L)[
        class_<Layer>("Layer")
            .def("getWidget", &Layer::getWidget)
    ];
}
