#include "gui/script_api/MessageBindings.h"

#include "engine/script/ScriptHost.h"
#include "gui/Message.h"

#include <luabind/luabind.hpp>

void RegisterMessageBindings(lua_State* L)
{
    using namespace luabind;
    using IsPublisher = bool (Message::*)(const std::string&) const;
    using IsPublisherAndData = bool (Message::*)(const std::string&, const std::string&) const;
    using Variables = VariableSet& (Message::*)();
    module(L)[
        class_<Message>("Message")
            .def(constructor<const std::string&>())
            .def(constructor<const std::string&, const std::string&>())
            .def(constructor<const std::string&, int>())
            .def(constructor<const std::string&, const std::string&, int>())
            .def("is", static_cast<IsPublisher>(&Message::is))
            .def("is", static_cast<IsPublisherAndData>(&Message::is))
            .def("getPublisher", &Message::getPublisher)
            .def("getData", &Message::getData)
            .def("getIntegerParam", &Message::getIntegerParam)
            // The message's own set, not a copy.
            .def("getVariables", static_cast<Variables>(&Message::getVariables))
    ];
}

bool CallScriptFunctionWithMessage(const std::string& function, const Message& message)
{
    return CallScriptFunction(function, message);
}
