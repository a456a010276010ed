#pragma once

// Moving water ("Water"): the water picture drawn three times over a
// rectangle with drifting texture coordinates, the last pass additive. The
// object's scale, angle and pivot are not used.

#include "gui/scenes/LayerObject.h"

class Sprite;

class WaterLayerObject : public LayerObject {
public:
    // Makes sure the water picture is on the device.
    WaterLayerObject();

    void Draw() override;
    // The phase runs from 0 to 1 and wraps.
    void Update(float dt) override;

    float width = 0.0f;
    float height = 0.0f;
    float speed = 0.0f;
    float phase = 0.0f;
};

// The picture "textures\water.png", loaded and uploaded (linear filtering)
// once and shared by every water object, so scenes that are built again
// never leave a device texture behind.
Sprite& SceneWaterSprite();
// At shut-down, while the device lives.
void ReleaseSceneWaterSprite();
