#pragma once

struct lua_State;

// CloseApplication, SetCustomCursor, ResetSplash, ShowWindowIfNoSplashes,
// NeedGetScreensaver.
void RegisterApplicationBindings(lua_State* L);
