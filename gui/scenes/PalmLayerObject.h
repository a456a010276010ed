#pragma once

// A palm ("Palm"): a trunk picture with leaves that swing back and forth
// about their centre angles, each swing to a new random amplitude on the
// other side and at a new random rate. Commands: "WrapH" mirrors it,
// "ResetWrap" turns it back.

#include "gui/scenes/LayerObject.h"

#include <string>
#include <vector>

struct TextureInfo;

struct PalmLeaf {
    float angleFrom = 0.0f;
    float angleTo = 0.0f;
    float phase = 0.0f;
    float rate = 0.0f;
    float angle = 0.0f;
    float angleVariation = 0.0f;
    float time = 0.0f;
    float timeVariation = 0.0f;
    float direction = 1.0f;
    float scale = 0.0f;
    float parentScale = 1.0f;
    std::string textureFile;
    bool mirrored = false;
    TextureInfo* texture = nullptr;
    float x = 0.0f;
    float y = 0.0f;
    float rotX = 0.0f;
    float rotY = 0.0f;

    // The first swing: from below the centre angle to above it.
    void Start();
    // Advances the swing; a finished swing turns to the other side.
    void Update(float dt);
    // The angle now, eased along the current swing.
    float CurrentAngle() const;
    // Inside the trunk's rotated frame.
    void Draw();

private:
    void NewRate();
};

class PalmLayerObject : public LayerObject {
public:
    PalmLayerObject() = default;
    // Registers the trunk picture with the scene texture cache.
    explicit PalmLayerObject(const std::string& trunkPicture);

    // Registers the leaf's picture and starts its first swing.
    void AddLeaf(const PalmLeaf& leaf);

    void Draw() override;
    void Update(float dt) override;
    void UploadResources() override;
    void ReleaseResources() override;
    void Do(const std::string& command) override;

    std::string trunkFile;
    TextureInfo* trunk = nullptr;
    std::vector<PalmLeaf> leaves;
    bool mirrored = false;
};
