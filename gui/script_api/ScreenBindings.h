#pragma once

struct lua_State;

// Script class "ScreenImpl"; the global "Screen" is set with the other globals.
void RegisterScreenBindings(lua_State* L);
