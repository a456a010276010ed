// The effects file, read over the systems of the shipped particles file.
#include "gui/effects/ParticleManager.h"
#include "tests/fuzz/FuzzTarget.h"

namespace {

const ParticleManager& ShippedParticles()
{
    static ParticleManager library;
    static bool loaded = false;
    if (!loaded) {
        library.LoadParticles(fuzz::ShippedDataPath("particles.xml"));
        loaded = true;
    }
    return library;
}

void Run(const std::uint8_t* data, std::size_t size)
{
    fuzz::OpenGlOnce();
    fuzz::WriteInput("effects.xml", data, size);
    ParticleManager library = ShippedParticles();
    library.LoadEffects("effects.xml");
}

const fuzz::FuzzTarget target("effects", Run);

} // namespace
