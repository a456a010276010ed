#pragma once

// The particle library: described particle systems and effects by name,
// filled by the particles and effects files and kept for the whole run.
// Running effects are copies of its entries; the entries themselves never
// run.

#include "gui/effects/ParticleEffect.h"
#include "gui/effects/ParticleSystem.h"

#include <map>
#include <string>

class ParticleManager {
public:
    // Read a particles / effects file into the library; a file that does not
    // load is logged and adds nothing.
    void LoadParticles(const std::string& file);
    void LoadEffects(const std::string& file);

    // The entry of that name, an empty one inserted when missing.
    ParticleSystem& System(const std::string& name) { return _systems[name]; }
    ParticleEffect& Effect(const std::string& name) { return _effects[name]; }

    std::map<std::string, ParticleSystem> _systems;
    std::map<std::string, ParticleEffect> _effects;
};

extern ParticleManager g_particleManager;
