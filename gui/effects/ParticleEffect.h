#pragma once

// A running particle effect (script class "Effect"): particle systems that
// start at their own times after the effect was reset. An effect finishes
// once all its systems have finished; one with a forever-respawning system
// runs until Stop.

#include "gui/effects/ParticleSystem.h"

#include <vector>

class ParticleEffect {
public:
    // Starts again: time 0, every system waiting at the effect's position
    // and emitting again (respawn on, not dying, no dead particles).
    void Reset();
    void Update(float dt);
    // The started systems at the effect's position; the caller has set the
    // owner's transform.
    void Draw();
    // Started systems stop emitting and let their particles die out; systems
    // still waiting finish at once.
    void Stop();
    bool IsFinished() const { return _finished; }
    // Colours every system: red, green and blue factors (0 to 1) of its
    // particles' own colours.
    void SetTint(float red, float green, float blue);

    float posX = 0.0f;
    float posY = 0.0f;
    float _time = 0.0f;
    bool _finished = false;
    std::vector<ParticleSystem> _systems;
};
