#pragma once

// A picture of the scene texture cache ("Texture"), or, without a picture
// file, a plain rectangle of its width and height in its colour. Commands:
// "WrapH" and "WrapV" mirror it, "Additive" and "Alpha" switch its blending.

#include "gui/scenes/LayerObject.h"

struct TextureInfo;

class TextureLayerObject : public LayerObject {
public:
    TextureLayerObject() = default;
    // A picture file, registered with the cache at once.
    explicit TextureLayerObject(const std::string& file);

    void Draw() override;
    // Uploads the picture and puts its bottom-left corner on the layer origin.
    void UploadResources() override;
    void ReleaseResources() override;
    void Do(const std::string& command) override;

    TextureInfo* texture = nullptr; // the cache entry, null until uploaded
    bool mirrorH = false;
    bool mirrorV = false;
    float width = 0.0f;
    float height = 0.0f;
    std::string textureFile;
    bool hasTexture = false;
    bool additive = false;
};
