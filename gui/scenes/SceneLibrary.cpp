#include "gui/scenes/SceneLibrary.h"

#include "engine/script/ScriptHost.h"
#include "gui/scenes/LayerSet.h"
#include "gui/scenes/SceneFile.h"
#include "gui/scenes/SceneTextureCache.h"
#include "gui/scenes/WaterLayerObject.h"

namespace {

const char* const kSceneScript = "mult.lua";
const char* const kSceneFile = "mults.xml";

} // namespace

void LoadAnimation()
{
    RunScriptFile(kSceneScript);
    for (std::unique_ptr<LayerSet>& set : ReadSceneFile(kSceneFile))
        g_layerSets.Insert(std::move(set));
    CallScriptFunction("AnimationInit");
}

LayerSet* ReloadLayerSet(const std::string& name)
{
    LayerSet* last = nullptr;
    for (std::unique_ptr<LayerSet>& set : ReadSceneFile(kSceneFile, &name))
        last = g_layerSets.Keep(std::move(set));
    return last;
}

void ReleaseSceneTextures()
{
    g_sceneTextures.ReleaseAll();
    ReleaseSceneWaterSprite();
}
