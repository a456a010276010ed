#pragma once

// The one controller that runs every effect made through an effect list:
// each frame it updates them in creation order, then takes every finished
// one out of its owner's list and deletes it, so a finished effect is never
// drawn. It runs for the whole program once the main loop has added it.

#include "gui/controllers/IController.h"
#include "gui/effects/EffectHandle.h"

#include <list>
#include <memory>

class EffectList;
class ParticleEffect;

class EffectObserver : public IController {
public:
    EffectObserver();
    // Frees the records; the effects they own go with them.
    ~EffectObserver() override;

    void Update(float dt) override;
    bool IsFinished() override { return false; }

    // Takes the effect over and remembers the list that shows it.
    void Watch(std::unique_ptr<ParticleEffect> effect, EffectList* owner);
    // A checked handle to a watched effect; an empty one for any other.
    EffectHandle HandleOf(const ParticleEffect* effect) const;
    // The owner list is going away: its effects keep running unseen and
    // are deleted without touching it.
    void ForgetOwner(const EffectList* owner);
    std::size_t Count() const { return _effects.size(); }

private:
    struct Entry {
        std::shared_ptr<ParticleEffect> effect;
        EffectList* owner;
    };
    std::list<Entry> _effects;
};

extern EffectObserver g_effectObserver;

// Puts g_effectObserver on the controller manager's pending list, once for
// the whole run.
void AddEffectObserver();
