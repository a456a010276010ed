#pragma once

// The scene classes for scripts ("LayerSet", "AnimLayer", "LayerObject")
// and the global function "LoadAnimation".

struct lua_State;
class LayerSet;

void RegisterSceneScriptClasses(lua_State* L);

// Sets the Lua global named after the set to its table (see LayerSet).
void ExposeLayerSetToScript(const LayerSet& set);
