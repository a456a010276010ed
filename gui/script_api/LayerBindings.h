#pragma once

struct lua_State;

// Script class "Layer".
void RegisterLayerBindings(lua_State* L);
