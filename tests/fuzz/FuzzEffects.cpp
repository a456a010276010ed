// The effects file, read over the systems of the shipped particles file.
#include "gui/effects/ParticleManager.h"
#include "tests/fuzz/FuzzTarget.h"

#include <iterator>
#include <set>
#include <string>

namespace {

// The library holds the shipped systems; each input's effects, and the empty
// systems its unknown names add, are taken out again after it (copying the
// whole library for every input would cost more than the reading).
struct ShippedLibrary {
    ShippedLibrary()
    {
        library.LoadParticles(fuzz::ShippedDataPath("particles.xml"));
        for (const auto& entry : library._systems)
            systemNames.insert(entry.first);
    }
    void Restore()
    {
        library._effects.clear();
        for (auto it = library._systems.begin(); it != library._systems.end();)
            it = systemNames.count(it->first) ? std::next(it) : library._systems.erase(it);
    }

    ParticleManager library;
    std::set<std::string> systemNames;
};

void Run(const std::uint8_t* data, std::size_t size)
{
    fuzz::OpenGlOnce();
    static ShippedLibrary shipped;
    fuzz::WriteInput("effects.xml", data, size);
    shipped.library.LoadEffects("effects.xml");
    shipped.Restore();
}

const fuzz::FuzzTarget target("effects", Run);

} // namespace
