#include "gui/script_api/WidgetBindings.h"

#include "gui/Widget.h"
#include "gui/effects/EffectHandle.h"

#include <luabind/luabind.hpp>

namespace {

// Scripts keep effects across frames: they get a checked handle.
EffectHandle AddEffect(Widget& widget, const std::string& effectName)
{
    // A script places the effect and resets it itself.
    return widget.effects.AddWithHandle(effectName, 0.0f, 0.0f);
}

} // namespace

void RegisterWidgetBindings(lua_State* L)
{
    using namespace luabind;
    module(L)[
        class_<Widget>("Widget")
            .def("AcceptMessage", &Widget::AcceptMessage)
            .def("QueryState", &Widget::QueryState)
            .def("AddEffect", &AddEffect)
            .def("setVisible", &Widget::setVisible)
            .def("setColor", &Widget::setColor)
    ];
}
