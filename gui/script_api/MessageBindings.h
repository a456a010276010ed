#pragma once

#include <string>

struct lua_State;
class Message;

// Class "Message": its four constructors, is, getPublisher, getData,
// getIntegerParam and getVariables.
void RegisterMessageBindings(lua_State* L);

// Calls the global script function of that name with the message as its one
// argument (protected; a failure is logged as "LUA Error calling [name]").
// Lives here so that luabind's templates for Message are built with the
// binding files' flags.
bool CallScriptFunctionWithMessage(const std::string& function, const Message& message);
