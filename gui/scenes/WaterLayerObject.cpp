#include "gui/scenes/WaterLayerObject.h"

#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"

namespace {

Sprite g_waterSprite;
bool g_waterLoaded = false;

} // namespace

Sprite& SceneWaterSprite()
{
    if (!g_waterLoaded && g_renderDevice.IsInitialized()) {
        g_waterSprite.Load("textures\\water.png");
        g_waterSprite.linearFilter = true;
        g_waterSprite.Upload(true);
        g_waterLoaded = true;
    }
    return g_waterSprite;
}

void ReleaseSceneWaterSprite()
{
    g_waterSprite.Release();
    g_waterLoaded = false;
}

WaterLayerObject::WaterLayerObject()
{
    SceneWaterSprite();
}

void WaterLayerObject::Update(float dt)
{
    phase += dt * speed;
    if (phase >= 1.0f)
        phase -= 1.0f;
}

void WaterLayerObject::Draw()
{
    RenderDevice& device = g_renderDevice;
    device.ResetColor();
    SceneWaterSprite().Bind();
    struct Pass {
        float u, v, scale;
        bool additive;
    };
    const Pass passes[3] = {
        {phase, 0.0f, 1.6f, false},
        {-phase, 0.3f, 1.6f, false},
        {-phase, phase + 0.6f, 1.8f, true},
    };
    for (const Pass& pass : passes) {
        device.SetBlendMode(pass.additive ? 2 : 1);
        device.SetMatrixMode(RenderDevice::kTexture);
        device.Translate(Vector3(pass.u, pass.v, 0.0f));
        device.ScaleUniform(pass.scale);
        device.SetMatrixMode(RenderDevice::kWorld);
        device.DrawRectInset(x, y, width, height, 0.0f);
        device.SetMatrixMode(RenderDevice::kTexture);
        device.LoadIdentity();
        device.SetMatrixMode(RenderDevice::kWorld);
    }
    device.SetBlendMode(1);
}
