#pragma once

// An object of a scene layer (script class "LayerObject"): a position,
// scale, rotation about a pivot, visibility and tint that the scene's script
// moves, and five operations that the kinds fill in. The base versions do
// nothing.

#include "engine/util/Color.h"

#include <string>

class Sprite;

class LayerObject {
public:
    LayerObject() = default;
    virtual ~LayerObject() = default;
    LayerObject(const LayerObject&) = delete;
    LayerObject& operator=(const LayerObject&) = delete;

    virtual void Draw() {}
    virtual void Update(float dt) { (void)dt; }
    virtual void UploadResources() {}
    virtual void ReleaseResources() {}
    // A named command from a script; commands compare exactly.
    virtual void Do(const std::string& command) { (void)command; }

    std::string name;
    float x = 0.0f;
    float y = 0.0f;
    float scale = 1.0f;
    float angle = 0.0f; // degrees about the z axis
    float rotX = 0.0f;  // pivot offset from the picture's centre, unscaled
    float rotY = 0.0f;
    bool isVisible = true;
    Color color;
};

// How a scene picture is placed: centred on (x, y), turned by angle degrees
// about a pivot (rotX, rotY) away from its centre, scaled by scale.
struct ScenePicturePlacement {
    float x = 0.0f;
    float y = 0.0f;
    float rotX = 0.0f;
    float rotY = 0.0f;
    float scale = 1.0f;
    float angle = 0.0f;
    bool mirrorH = false;
    bool mirrorV = false;
};

// Translates and rotates the world matrix for a picture of the sprite's
// sizes and returns the quad's corner and extent in that frame. The caller
// pushes the world matrix before and pops it after.
struct ScenePictureQuad {
    float x = 0.0f;
    float y = 0.0f;
    float width = 0.0f;
    float height = 0.0f;
};
ScenePictureQuad PlaceScenePicture(const Sprite& sprite, const ScenePicturePlacement& placement);
// The quad alone, for a caller that has placed the frame itself.
ScenePictureQuad ScenePictureCorner(const Sprite& sprite, const ScenePicturePlacement& placement);
// The quad of PlaceScenePicture with full texture coordinates.
void DrawScenePictureQuad(const ScenePictureQuad& quad);
