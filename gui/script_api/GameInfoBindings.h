#pragma once

struct lua_State;

// The script classes "GameInfo" and "HiScoresElem".
void RegisterGameInfoBindings(lua_State* L);
