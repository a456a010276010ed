#include "gui/effects/ParticleManager.h"

#include "gui/effects/ParticleFiles.h"

void ParticleManager::LoadParticles(const std::string& file)
{
    ReadParticlesFile(file, *this);
}

void ParticleManager::LoadEffects(const std::string& file)
{
    ReadEffectsFile(file, *this);
}
