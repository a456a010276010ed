#include "gui/script_api/VariableSetBindings.h"

#include "gui/VariableSet.h"
#include "gui/Widget.h"

#include <luabind/luabind.hpp>

void RegisterVariableSetBindings(lua_State* L)
{
    using namespace luabind;
    module(L)[
        class_<VariableSet>("VariableSet")
            .def(constructor<>())
            .def("getBool", &VariableSet::getBool)
            .def("getInt", &VariableSet::getInt)
            .def("getFloat", &VariableSet::getFloat)
            .def("getString", &VariableSet::getString)
            .def("getColor", &VariableSet::getColor)
            .def("getPoint", &VariableSet::getPoint)
            .def("getWidget", &VariableSet::getWidget)
            .def("setBool", &VariableSet::setBool)
            .def("setInt", &VariableSet::setInt)
            .def("setFloat", &VariableSet::setFloat)
            .def("setString", &VariableSet::setString)
            .def("setColor", &VariableSet::setColor)
            .def("setPoint", &VariableSet::setPoint)
            .def("setWidget", &VariableSet::setWidget)
    ];
}
