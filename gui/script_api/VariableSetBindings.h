#pragma once

struct lua_State;

// Class "VariableSet": the seven getters and the seven setters by name. A
// getter asked for another kind raises a script error.
void RegisterVariableSetBindings(lua_State* L);
