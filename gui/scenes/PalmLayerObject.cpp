#include "gui/scenes/PalmLayerObject.h"

#include "engine/render/RenderDevice.h"
#include "engine/util/MathFunctions.h"
#include "gui/scenes/SceneTextureCache.h"

void PalmLeaf::NewRate()
{
    rate = RandomFloatRange(time - timeVariation, time + timeVariation);
}

void PalmLeaf::Start()
{
    angleFrom = angle - RandomFloatRange(0.0f, angleVariation);
    angleTo = angle + RandomFloatRange(0.0f, angleVariation);
    NewRate();
    phase = 0.0f;
    direction = 1.0f;
}

void PalmLeaf::Update(float dt)
{
    phase += dt * rate;
    if (phase < 1.0f)
        return;
    phase = 0.0f;
    direction = -direction;
    angleFrom = angleTo;
    angleTo = angle + direction * RandomFloatRange(0.0f, angleVariation);
    NewRate();
}

float PalmLeaf::CurrentAngle() const
{
    return lerp(angleFrom, angleTo, ease(phase, 0.2f, 0.2f));
}

void PalmLeaf::Draw()
{
    if (!texture || !texture->uploaded)
        return;
    RenderDevice& device = g_renderDevice;
    texture->sprite.Bind();
    device.PushMatrix();
    const float dx = mirrored ? (rotX - x) : (x + rotX);
    device.Translate(Vector3(dx * parentScale, (y + rotY) * parentScale, 0.0f));
    ScenePicturePlacement placement;
    placement.rotX = rotX;
    placement.rotY = rotY;
    placement.scale = scale * parentScale;
    device.Rotate(Vector3(0.0f, 0.0f, 1.0f), CurrentAngle());
    DrawScenePictureQuad(ScenePictureCorner(texture->sprite, placement));
    device.PopMatrix();
}

PalmLayerObject::PalmLayerObject(const std::string& trunkPicture) : trunkFile(trunkPicture)
{
    trunk = g_sceneTextures.Register(trunkFile);
}

void PalmLayerObject::AddLeaf(const PalmLeaf& leaf)
{
    leaves.push_back(leaf);
    PalmLeaf& added = leaves.back();
    added.texture = g_sceneTextures.Register(added.textureFile);
    added.Start();
}

void PalmLayerObject::Draw()
{
    RenderDevice& device = g_renderDevice;
    device.SetColor(color);
    device.PushMatrix();
    ScenePicturePlacement placement{x, y, rotX, rotY, scale, angle, mirrored, false};
    if (trunk && trunk->uploaded) {
        trunk->sprite.Bind();
        DrawScenePictureQuad(PlaceScenePicture(trunk->sprite, placement));
    } else {
        // Without its trunk the leaves still hang in the trunk's frame.
        g_renderDevice.Translate(Vector3(x + rotX * scale, y + rotY * scale, 0.0f));
        g_renderDevice.Rotate(Vector3(0.0f, 0.0f, 1.0f), angle);
    }
    for (PalmLeaf& leaf : leaves) {
        leaf.parentScale = scale;
        leaf.mirrored = mirrored;
        leaf.Draw();
    }
    device.PopMatrix();
    device.ResetColor();
}

void PalmLayerObject::Update(float dt)
{
    for (PalmLeaf& leaf : leaves)
        leaf.Update(dt);
}

void PalmLayerObject::UploadResources()
{
    trunk = g_sceneTextures.Upload(trunkFile);
    for (PalmLeaf& leaf : leaves)
        leaf.texture = g_sceneTextures.Upload(leaf.textureFile);
}

void PalmLayerObject::ReleaseResources()
{
    g_sceneTextures.Release(trunkFile);
    for (PalmLeaf& leaf : leaves)
        g_sceneTextures.Release(leaf.textureFile);
}

void PalmLayerObject::Do(const std::string& command)
{
    if (command == "WrapH")
        mirrored = true;
    else if (command == "ResetWrap")
        mirrored = false;
}
