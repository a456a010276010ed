#include "gui/script_api/ParticleBindings.h"

#include "gui/effects/ParticleManager.h"

#include <luabind/luabind.hpp>

namespace {

void LoadParticles(const std::string& file)
{
    g_particleManager.LoadParticles(file);
}

void LoadEffects(const std::string& file)
{
    g_particleManager.LoadEffects(file);
}

} // namespace

void RegisterParticleBindings(lua_State* L)
{
    using namespace luabind;
    module(L)[
        def("LoadParticles", &LoadParticles),
        def("LoadEffects", &LoadEffects)
    ];
}
