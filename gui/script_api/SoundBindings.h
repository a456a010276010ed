#pragma once

struct lua_State;

// Script class "SoundSystem"; the global "Sound" is set with the other globals.
void RegisterSoundBindings(lua_State* L);
