#pragma once

struct lua_State;

// The script class "Effect": a checked handle to a running particle effect
// (properties posX, posY; method Reset). Once the effect has ended, reading
// gives 0 and writing or resetting does nothing.
void RegisterEffectBindings(lua_State* L);
