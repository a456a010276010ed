#include "gui/script_api/EffectBindings.h"

#include "gui/effects/EffectHandle.h"
#include "gui/effects/ParticleEffect.h"

#include <luabind/luabind.hpp>

namespace {

float GetPosX(const EffectHandle& handle)
{
    const ParticleEffect* effect = handle.Get();
    return effect ? effect->posX : 0.0f;
}

float GetPosY(const EffectHandle& handle)
{
    const ParticleEffect* effect = handle.Get();
    return effect ? effect->posY : 0.0f;
}

void SetPosX(EffectHandle& handle, float value)
{
    if (ParticleEffect* effect = handle.Get())
        effect->posX = value;
}

void SetPosY(EffectHandle& handle, float value)
{
    if (ParticleEffect* effect = handle.Get())
        effect->posY = value;
}

void Reset(EffectHandle& handle)
{
    if (ParticleEffect* effect = handle.Get())
        effect->Reset();
}

} // namespace

void RegisterEffectBindings(lua_State* L)
{
    using namespace luabind;
    module(L)[
        class_<EffectHandle>("Effect")
            .property("posX", &GetPosX, &SetPosX)
            .property("posY", &GetPosY, &SetPosY)
            .def("Reset", &Reset)
    ];
}
