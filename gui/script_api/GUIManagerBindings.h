#pragma once

struct lua_State;

// Script class "GUIManager"; the global "GUI" is set with the other globals.
void RegisterGUIManagerBindings(lua_State* L);
