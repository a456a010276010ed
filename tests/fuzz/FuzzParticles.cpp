// The particles file: described particle systems into a library of their own.
#include "gui/effects/ParticleManager.h"
#include "tests/fuzz/FuzzTarget.h"

namespace {

void Run(const std::uint8_t* data, std::size_t size)
{
    fuzz::OpenGlOnce();
    fuzz::WriteInput("particles.xml", data, size);
    ParticleManager library;
    library.LoadParticles("particles.xml");
}

const fuzz::FuzzTarget target("particles", Run);

} // namespace
