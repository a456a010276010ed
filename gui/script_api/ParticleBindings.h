#pragma once

struct lua_State;

// The script functions LoadParticles and LoadEffects (one file name each).
void RegisterParticleBindings(lua_State* L);
