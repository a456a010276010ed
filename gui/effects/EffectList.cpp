#include "gui/effects/EffectList.h"

ParticleEffect* EffectList::Add(const std::string&)
{
    return nullptr;
}

void EffectList::Draw() {}
