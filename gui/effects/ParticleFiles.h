#pragma once

// Readers of the particles file (described particle systems) and the
// effects file (effects as lists of described systems) into the particle
// library.

#include <string>

class ParticleEffect;
class ParticleManager;
class ParticleParam;
class ParticleSystem;
class TiXmlElement;

// Whole files: logged and skipped when they do not load.
void ReadParticlesFile(const std::string& file, ParticleManager& library);
void ReadEffectsFile(const std::string& file, ParticleManager& library);

// A "Param" element into a parameter, every value times scale.
void ReadParticleParam(const TiXmlElement& element, float scale, ParticleParam& param);
// A "ParticleSystem" element of a particles file into a description.
void ReadParticleSystem(const TiXmlElement& element, ParticleSystem& system);
// An "Effect" element: its systems appended, copied from the library.
void ReadEffect(const TiXmlElement& element, ParticleManager& library, ParticleEffect& effect);
