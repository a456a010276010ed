#include "gui/effects/EffectList.h"

#include "gui/effects/EffectObserver.h"
#include "gui/effects/ParticleEffect.h"
#include "gui/effects/ParticleManager.h"

#include <memory>

EffectList::~EffectList()
{
    ForgetEffectOwner(this);
}

ParticleEffect* EffectList::Add(const std::string& name)
{
    auto effect = std::make_unique<ParticleEffect>(g_particleManager.Effect(name));
    effect->Reset();
    ParticleEffect* made = effect.get();
    g_effectObserver.Watch(std::move(effect), this);
    effects.push_back(made);
    return made;
}

EffectHandle EffectList::AddWithHandle(const std::string& name)
{
    return g_effectObserver.HandleOf(Add(name));
}

void EffectList::Draw()
{
    for (ParticleEffect* effect : effects)
        effect->Draw();
}
