#pragma once

struct lua_State;

// Class "Message": its four constructors, is, getPublisher, getData,
// getIntegerParam and getVariables.
void RegisterMessageBindings(lua_State* L);
