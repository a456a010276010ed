#pragma once

// The script API: every class, function and global object that scripts see,
// registered once, in a fixed order.

struct lua_State;

void RegisterScriptBindings(lua_State* L);
