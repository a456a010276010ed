#pragma once

// A layer of a scene (script class "AnimLayer"): its objects in file order,
// drawn in the layer's own space (moved by x, y and scaled by scale).

#include "gui/scenes/LayerObject.h"

#include <memory>
#include <string>
#include <vector>

class AnimLayer {
public:
    AnimLayer() = default;
    explicit AnimLayer(std::string layerName) : name(std::move(layerName)) {}
    AnimLayer(const AnimLayer&) = delete;
    AnimLayer& operator=(const AnimLayer&) = delete;

    // The first object of that name, or null.
    LayerObject* getObject(const std::string& objectName) const;
    // Nothing while hidden; each visible object in the layer's space.
    void Draw();
    // Every object, visible or not.
    void Update(float dt);
    void UploadResources();
    void ReleaseResources();

    bool isVisible = true;
    std::string name;
    std::vector<std::unique_ptr<LayerObject>> objects;
    float x = 0.0f;
    float y = 0.0f;
    float scale = 1.0f;
};
