#pragma once

// A checked reference to a running effect: it reaches the effect while the
// effect observer keeps it and nothing once the observer has deleted it.
// Anything that keeps an effect across frames (a script's "Effect", a text's
// flames) keeps one of these instead of a pointer.

#include <memory>

class ParticleEffect;

class EffectHandle {
public:
    EffectHandle() = default;
    explicit EffectHandle(std::weak_ptr<ParticleEffect> effect) : _effect(std::move(effect)) {}

    // The effect, or null once it has been deleted.
    ParticleEffect* Get() const { return _effect.lock().get(); }
    bool IsAlive() const { return !_effect.expired(); }

private:
    std::weak_ptr<ParticleEffect> _effect;
};
