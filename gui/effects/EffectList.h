#pragma once

// The particle effects an owner shows, in the order of their creation. The
// list does not own them: the effect observer updates them and deletes each
// one, after taking it out of this list, once it has finished.

#include "engine/util/Point.h"
#include "gui/effects/EffectHandle.h"

#include <list>
#include <string>

class ParticleEffect;

class EffectList {
public:
    EffectList() = default;
    // The observer stops reaching for a list that is gone.
    ~EffectList();
    EffectList(const EffectList&) = delete;
    EffectList& operator=(const EffectList&) = delete;

    // A copy of the library's effect of that name (an empty effect, and an
    // empty library entry, for a name the library lacks), placed at (x, y)
    // and started there, handed to the observer and attached here. It is
    // placed before it starts, so its first particles are born where it
    // stands. The pointer is good until the effect finishes; keep a handle
    // to reach it later.
    ParticleEffect* Add(const std::string& name, float x, float y);
    // The same, answering a checked handle.
    EffectHandle AddWithHandle(const std::string& name, float x, float y);
    // Draws every effect in list order; the owner sets the transform first.
    void Draw();
    // Draws them with their positions taken from p; leaves the colour white.
    void DrawAt(const Point& p);

    bool Empty() const { return effects.empty(); }

    std::list<ParticleEffect*> effects;
};

// Used by the list's destructor; harmless once the observer is gone.
void ForgetEffectOwner(const EffectList* owner);
