#pragma once

// Loading the scenes: the scripts of mult.lua, the sets of mults.xml into
// the registry, then the script function "AnimationInit".

#include <string>

class LayerSet;

// The script function: runs "mult.lua", loads "mults.xml" into g_layerSets
// (the first set of a name stays there) and calls "AnimationInit".
void LoadAnimation();

// A fresh copy of the set of that name from "mults.xml", published to the
// scripts in place of the old one and kept by g_layerSets (unlisted) for the
// rest of the run; null when the file has none. With several sets of the
// name, the last one is answered.
LayerSet* ReloadLayerSet(const std::string& name);

// At shut-down, while the device lives: the scenes' device textures go.
void ReleaseSceneTextures();
