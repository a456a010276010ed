#include "gui/scenes/TextureLayerObject.h"

#include "engine/render/RenderDevice.h"
#include "gui/scenes/SceneTextureCache.h"

TextureLayerObject::TextureLayerObject(const std::string& file) : textureFile(file), hasTexture(true)
{
    g_sceneTextures.Register(textureFile);
}

void TextureLayerObject::Draw()
{
    if (additive)
        g_renderDevice.SetBlendMode(2);
    g_renderDevice.SetColor(color);
    g_renderDevice.PushMatrix();
    // A released entry shows no picture: it is drawn like a missing one.
    if (texture && texture->uploaded) {
        texture->sprite.Bind();
        ScenePicturePlacement placement{x, y, rotX, rotY, scale, angle, mirrorH, mirrorV};
        DrawScenePictureQuad(PlaceScenePicture(texture->sprite, placement));
    } else {
        g_renderDevice.EnableTexture(false);
        g_renderDevice.Translate(Vector3(x + rotX * scale, y + rotY * scale, 0.0f));
        g_renderDevice.Rotate(Vector3(0.0f, 0.0f, 1.0f), angle);
        g_renderDevice.DrawRectInset(-width / 2.0f, -height / 2.0f, width, height, 0.0f);
        g_renderDevice.EnableTexture(true);
    }
    g_renderDevice.PopMatrix();
    g_renderDevice.ResetColor();
    if (additive)
        g_renderDevice.SetBlendMode(1);
}

void TextureLayerObject::UploadResources()
{
    if (!hasTexture)
        return;
    texture = g_sceneTextures.Upload(textureFile);
    x = static_cast<float>(texture->sprite.imageWidth) / 2.0f;
    y = static_cast<float>(texture->sprite.imageHeight) / 2.0f;
}

void TextureLayerObject::ReleaseResources()
{
    if (hasTexture)
        g_sceneTextures.Release(textureFile);
}

void TextureLayerObject::Do(const std::string& command)
{
    if (command == "WrapH")
        mirrorH = true;
    else if (command == "WrapV")
        mirrorV = true;
    else if (command == "Additive")
        additive = true;
    else if (command == "Alpha")
        additive = false;
}
