#pragma once

struct lua_State;

// Class "Point": Point(x, y).
void RegisterPointBindings(lua_State* L);
