#include "gui/effects/EffectObserver.h"

#include "gui/controllers/ControllerManager.h"
#include "gui/effects/EffectList.h"
#include "gui/effects/ParticleEffect.h"

#include <algorithm>

namespace {

// Lists that outlive the observer at exit must not call into it.
bool g_observerAlive = false;

} // namespace

EffectObserver::EffectObserver() : IController("EffectObserver")
{
    g_observerAlive = true;
}

EffectObserver::~EffectObserver()
{
    g_observerAlive = false;
}

void EffectObserver::Update(float dt)
{
    for (Entry& entry : _effects)
        entry.effect->Update(dt);
    for (auto it = _effects.begin(); it != _effects.end();) {
        if (!it->effect->IsFinished()) {
            ++it;
            continue;
        }
        if (it->owner)
            it->owner->effects.remove(it->effect.get());
        it = _effects.erase(it);
    }
}

void EffectObserver::Watch(std::unique_ptr<ParticleEffect> effect, EffectList* owner)
{
    _effects.push_back(Entry{std::shared_ptr<ParticleEffect>(std::move(effect)), owner});
}

EffectHandle EffectObserver::HandleOf(const ParticleEffect* effect) const
{
    for (const Entry& entry : _effects)
        if (entry.effect.get() == effect)
            return EffectHandle(entry.effect);
    return EffectHandle();
}

void EffectObserver::ForgetOwner(const EffectList* owner)
{
    for (Entry& entry : _effects)
        if (entry.owner == owner)
            entry.owner = nullptr;
}

void ForgetEffectOwner(const EffectList* owner)
{
    if (g_observerAlive)
        g_effectObserver.ForgetOwner(owner);
}

void AddEffectObserver()
{
    const auto has = [](const std::list<IController*>& list) {
        return std::find(list.begin(), list.end(), &g_effectObserver) != list.end();
    };
    if (!has(kernel.Active()) && !has(kernel.Pending()))
        kernel.AddController(&g_effectObserver);
}
