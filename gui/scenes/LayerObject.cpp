#include "gui/scenes/LayerObject.h"

#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"

ScenePictureQuad ScenePictureCorner(const Sprite& sprite, const ScenePicturePlacement& p)
{
    const float s = p.scale;
    ScenePictureQuad quad;
    quad.width = static_cast<float>(sprite.textureWidth) * s;
    quad.height = static_cast<float>(sprite.textureHeight) * s;
    float cx = (2.0f * p.rotX + static_cast<float>(sprite.imageWidth)) * s;
    float cy = (2.0f * p.rotY + static_cast<float>(sprite.imageHeight)) * s;
    if (p.mirrorH) {
        cx = -cx;
        quad.width = -quad.width;
    }
    if (p.mirrorV) {
        cy = -cy;
        quad.height = -quad.height;
    }
    quad.x = -cx / 2.0f;
    quad.y = -cy / 2.0f;
    return quad;
}

ScenePictureQuad PlaceScenePicture(const Sprite& sprite, const ScenePicturePlacement& p)
{
    const float s = p.scale;
    const ScenePictureQuad quad = ScenePictureCorner(sprite, p);
    g_renderDevice.Translate(Vector3(p.x + p.rotX * s, p.y + p.rotY * s, 0.0f));
    g_renderDevice.Rotate(Vector3(0.0f, 0.0f, 1.0f), p.angle);
    return quad;
}

void DrawScenePictureQuad(const ScenePictureQuad& quad)
{
    g_renderDevice.DrawRectInset(quad.x, quad.y, quad.width, quad.height, 0.0f);
}
