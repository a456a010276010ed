#pragma once

struct lua_State;

// Class "Color": Color(r, g, b, a) and Color(r, g, b).
void RegisterColorBindings(lua_State* L);
