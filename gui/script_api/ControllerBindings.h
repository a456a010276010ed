#pragma once

struct lua_State;

// Script classes "ControllerManager" and "IController".
void RegisterControllerManagerBindings(lua_State* L);
void RegisterIControllerBindings(lua_State* L);
