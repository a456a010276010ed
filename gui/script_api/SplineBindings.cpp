#include "gui/script_api/SplineBindings.h"

#include "engine/util/SplinePath.h"

#include <luabind/luabind.hpp>

void RegisterSplineBindings(lua_State* L)
{
    using namespace luabind;
    using Spline = SplinePath<float>;
    using AddKey = void (Spline::*)(const float&);
    module(L)[
        class_<Spline>("Spline")
            .def(constructor<>())
            .def("addKey", static_cast<AddKey>(&Spline::addKey))
            .def("getFrame", &Spline::getFrame)
            .def("getGlobalFrame", &Spline::getGlobalFrame)
            .def("getGradient", &Spline::getGradient)
            .def("getSectors", &Spline::getSectors)
            .def("Clear", &Spline::Clear)
            .def("CalculateGradient", &Spline::CalculateGradient)
    ];
}
