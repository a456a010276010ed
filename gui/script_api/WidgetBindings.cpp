#include "gui/script_api/WidgetBindings.h"

#include "gui/Widget.h"

#include <luabind/luabind.hpp>

void RegisterWidgetBindings(lua_State* L)
{
    using namespace luabind;
    module(L)[
        class_<Widget>("Widget")
            .def("AcceptMessage", &Widget::AcceptMessage)
            .def("QueryState", &Widget::QueryState)
            .def("setVisible", &Widget::setVisible)
            .def("setColor", &Widget::setColor)
    ];
}
