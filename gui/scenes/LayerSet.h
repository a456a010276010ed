#pragma once

// A scene (script class "LayerSet"): a named stack of layers drawn first to
// last, the names of its two script functions ("do", called every frame with
// the time step, and "reset") and an optional caption. Scripts reach the
// set, its layers and their objects through a Lua table named after it.

#include "gui/scenes/AnimLayer.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

struct TextResource;

class LayerSet {
public:
    LayerSet() = default;
    LayerSet(const LayerSet&) = delete;
    LayerSet& operator=(const LayerSet&) = delete;

    // Sets the Lua global called name to a table: "set" is this set, and one
    // table per layer under the layer's name holding "layer" and its objects
    // by name (a later name replaces an earlier one in the table).
    void ExposeToScript() const;

    // The first layer of that name, or null.
    AnimLayer* getLayer(const std::string& layerName) const;
    // Every object of every layer, in order, with the frame timer paused.
    void UploadResources();
    void ReleaseResources();
    // "none", or a name the text table lacks, clears the caption.
    void setText(const std::string& textName);
    // Every object of every layer gets the step.
    void Update(float dt);
    void Draw();
    // The global script functions; failures are logged.
    void CallReset() const;
    void CallDo(float dt) const;

    std::string name;
    std::string resetFunction;
    std::string doFunction;
    const TextResource* text = nullptr; // a block of the GUI manager, not owned
    std::vector<std::unique_ptr<AnimLayer>> layers;
};

// The scenes by name, filled by LoadAnimation; the first set of a name is the
// one listed. Every set given to the registry lives as long as it does,
// listed or not: a script global may name a set that lost its name to an
// earlier one, or one that a scene widget loaded again, and scripts keep
// what they were handed.
class LayerSetRegistry {
public:
    // Lists the set under its name; false when the name is taken, and the
    // set is kept unlisted.
    bool Insert(std::unique_ptr<LayerSet> set);
    // Keeps a set that is not to be listed; returns it.
    LayerSet* Keep(std::unique_ptr<LayerSet> set);
    // The listed set of that name, or null.
    LayerSet* Find(const std::string& setName) const;
    // The number of listed sets.
    std::size_t Size() const { return _sets.size(); }
    void Clear()
    {
        _sets.clear();
        _unlisted.clear();
    }

private:
    std::map<std::string, std::unique_ptr<LayerSet>> _sets;
    std::vector<std::unique_ptr<LayerSet>> _unlisted;
};

extern LayerSetRegistry g_layerSets;
