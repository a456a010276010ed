#include "gui/effects/EffectList.h"

#include "engine/platform/StrictLookups.h"
#include "engine/render/RenderDevice.h"
#include "gui/effects/EffectObserver.h"
#include "gui/effects/ParticleEffect.h"
#include "gui/effects/ParticleManager.h"

#include <memory>

EffectList::~EffectList()
{
    ForgetEffectOwner(this);
}

ParticleEffect* EffectList::Add(const std::string& name, float x, float y)
{
    if (g_particleManager._effects.count(name) == 0)
        ReportMissingName("effect", name);
    auto effect = std::make_unique<ParticleEffect>(g_particleManager.Effect(name));
    effect->posX = x;
    effect->posY = y;
    effect->Reset();
    ParticleEffect* made = effect.get();
    g_effectObserver.Watch(std::move(effect), this);
    effects.push_back(made);
    return made;
}

EffectHandle EffectList::AddWithHandle(const std::string& name, float x, float y)
{
    return g_effectObserver.HandleOf(Add(name, x, y));
}

void EffectList::Draw()
{
    for (ParticleEffect* effect : effects)
        effect->Draw();
}

void EffectList::DrawAt(const Point& p)
{
    if (effects.empty())
        return;
    g_renderDevice.PushMatrix();
    g_renderDevice.Translate(Vector3(static_cast<float>(p.x), static_cast<float>(p.y), 0.0f));
    Draw();
    g_renderDevice.PopMatrix();
    g_renderDevice.ResetColor();
}
