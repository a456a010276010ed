#pragma once

struct lua_State;

// Script class "TControllerFactory"; the global "controlFactory" is set with
// the other globals.
void RegisterControllerFactoryBindings(lua_State* L);
