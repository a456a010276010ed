#pragma once

struct lua_State;

// Script class "Spline": a keyed curve of floats.
void RegisterSplineBindings(lua_State* L);
