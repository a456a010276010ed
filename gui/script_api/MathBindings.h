#pragma once

struct lua_State;

// lerp, ease and getPeriod.
void RegisterMathBindings(lua_State* L);
