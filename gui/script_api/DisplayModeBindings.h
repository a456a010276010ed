#pragma once

struct lua_State;

// SetFullscreenMode, SetWindowedMode.
void RegisterDisplayModeBindings(lua_State* L);
