#pragma once

// The particle effects an owner shows, in the order of their creation. The
// list does not own them: the effect observer updates and deletes them.

#include <list>
#include <string>

class ParticleEffect;

class EffectList {
public:
    // Makes the effect of that name and attaches it. Null while no effect
    // library is present.
    ParticleEffect* Add(const std::string& name);
    // Draws every effect in list order; the owner sets the transform first.
    void Draw();

    bool Empty() const { return effects.empty(); }

    std::list<ParticleEffect*> effects;
};
