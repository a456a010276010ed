#include "gui/scenes/LayerSet.h"

#include "engine/platform/Application.h"
#include "engine/script/ScriptHost.h"
#include "gui/TextResource.h"
#include "gui/script_api/SceneBindings.h"

LayerSetRegistry g_layerSets;

void LayerSet::ExposeToScript() const
{
    ExposeLayerSetToScript(*this);
}

AnimLayer* LayerSet::getLayer(const std::string& layerName) const
{
    for (const auto& layer : layers)
        if (layer->name == layerName)
            return layer.get();
    return nullptr;
}

void LayerSet::UploadResources()
{
    ScopedTimerPause pause;
    for (const auto& layer : layers)
        layer->UploadResources();
}

void LayerSet::ReleaseResources()
{
    ScopedTimerPause pause;
    for (const auto& layer : layers)
        layer->ReleaseResources();
}

void LayerSet::setText(const std::string& textName)
{
    text = textName == "none" ? nullptr : FindTextResource(textName);
}

void LayerSet::Update(float dt)
{
    for (const auto& layer : layers)
        layer->Update(dt);
}

void LayerSet::Draw()
{
    for (const auto& layer : layers)
        layer->Draw();
}

void LayerSet::CallReset() const
{
    CallScriptFunction(resetFunction);
}

void LayerSet::CallDo(float dt) const
{
    CallScriptFunction(doFunction, dt);
}

bool LayerSetRegistry::Insert(std::unique_ptr<LayerSet> set)
{
    if (!set)
        return false;
    if (_sets.count(set->name)) {
        Keep(std::move(set));
        return false;
    }
    const std::string key = set->name;
    _sets.emplace(key, std::move(set));
    return true;
}

LayerSet* LayerSetRegistry::Keep(std::unique_ptr<LayerSet> set)
{
    if (!set)
        return nullptr;
    _unlisted.push_back(std::move(set));
    return _unlisted.back().get();
}

LayerSet* LayerSetRegistry::Find(const std::string& setName) const
{
    auto found = _sets.find(setName);
    return found == _sets.end() ? nullptr : found->second.get();
}
