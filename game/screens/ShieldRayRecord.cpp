#include "game/screens/ShieldRayRecord.h"

#include "engine/render/RenderDevice.h"

#include <algorithm>

namespace {

const int kBlendNormal = 1;
const int kBlendAdditive = 2;

std::uint8_t Byte(int value)
{
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

struct RayPass {
    float scroll;
    float repeat;
    float fade;
};

} // namespace

void ShieldRayRecord::Load(const std::string& fileName)
{
    ReadRayGemFile(fileName, entries);
    strip.AddPoint(0.0f, 400.0f, 60.0f);
    strip.AddPoint(0.0f, 200.0f, 60.0f);
    strip.AddPoint(0.0f, 0.0f, 60.0f);
    strip.Build(30);
    strip.SetScroll(-5.0f);
    strip.SetRepeat(0.2f);
    strip.SetFade(1.0f);
    ray = LoadSpriteFile("textures\\Shield\\ray.jpg");
    rayGlow = LoadSpriteFile("textures\\Shield\\ray1.jpg");
    for (Sprite* picture : {ray.get(), rayGlow.get()})
        if (picture)
            picture->linearFilter = true;
}

const RayGemEntry* ShieldRayRecord::Entry(int k) const
{
    if (k < 0 || k >= static_cast<int>(entries.size()))
        return nullptr;
    return &entries[static_cast<std::size_t>(k)];
}

void ShieldRayRecord::Select(int k)
{
    index = k;
    progress = 0.0f;
}

void ShieldRayRecord::Draw()
{
    const RayGemEntry* entry = Entry(index);
    if (!entry)
        return;
    RenderDevice& device = g_renderDevice;
    device.SetBlendMode(kBlendAdditive);
    device.PushMatrix();
    device.Translate(Vector3(entry->x, entry->y, 0.0f));
    const auto pass = [this](const Sprite* picture, const RayPass& p) {
        if (picture)
            picture->Bind();
        strip.SetScroll(p.scroll);
        strip.SetRepeat(p.repeat);
        strip.SetFade(p.fade);
        strip.SetProgress(progress);
        strip.Draw();
    };
    strip.SetPairColor(Color(Byte(entry->r), Byte(entry->g), Byte(entry->b), 255));
    pass(ray.get(), {-4.0f, 0.3f, 1.6f});
    strip.SetPairColor(Color(255, 255, 255, 255));
    for (const RayPass& p : {RayPass{4.0f, 0.2f, 1.2f}, RayPass{-4.0f, 0.2f, 1.2f}, RayPass{2.0f, 0.2f, 1.2f}})
        pass(rayGlow.get(), p);
    device.PopMatrix();
    device.SetBlendMode(kBlendNormal);
    device.ResetColor();
}
