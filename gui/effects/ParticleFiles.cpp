#include "gui/effects/ParticleFiles.h"

#include "engine/platform/HtmlLog.h"
#include "engine/util/XmlAttributes.h"
#include "engine/util/XmlFile.h"
#include "gui/effects/ParticleManager.h"
#include "gui/effects/ParticleTextures.h"

#include <tinyxml.h>

#include <cstring>

namespace {

constexpr float kDegreesToRadians = 0.017453292f;

struct NamedParam {
    const char* name;
    ParticleParam ParticleSystem::*param;
    float scale;
};

const NamedParam kParams[] = {
    {"x", &ParticleSystem::_paramX, 1.0f},          {"y", &ParticleSystem::_paramY, 1.0f},
    {"size", &ParticleSystem::_paramSize, 1.0f},    {"angle", &ParticleSystem::_paramAngle, kDegreesToRadians},
    {"red", &ParticleSystem::_paramRed, 1.0f},      {"green", &ParticleSystem::_paramGreen, 1.0f},
    {"blue", &ParticleSystem::_paramBlue, 1.0f},    {"alpha", &ParticleSystem::_paramAlpha, 1.0f},
};

float ScaledAttribute(const TiXmlElement& element, const char* name, float scale)
{
    float value = 0.0f;
    ReadFloatAttribute(&element, name, value);
    return scale * value;
}

} // namespace

void ReadParticleParam(const TiXmlElement& element, float scale, ParticleParam& param)
{
    param.Clear();
    param._initial = ScaledAttribute(element, "initial", scale);
    param._variation = ScaledAttribute(element, "variation", scale);
    param._d = ScaledAttribute(element, "d", scale);
    param._dVariation = ScaledAttribute(element, "dVariation", scale);
    param._value = ParticleRandom(param._initial - param._variation, param._initial + param._variation);
    param._rate = ParticleRandom(param._d - param._dVariation, param._d + param._dVariation);
    if (const TiXmlElement* spline = element.FirstChildElement("spline")) {
        param._hasSpline = true;
        for (const TiXmlElement* key = spline->FirstChildElement("key"); key; key = key->NextSiblingElement("key")) {
            ParticleKey k;
            k._initial = ScaledAttribute(*key, "initial", scale);
            k._variation = ScaledAttribute(*key, "variation", scale);
            ReadBoolAttribute(key, "offset", k._offset);
            k._value = ParticleRandom(k._initial - k._variation, k._initial + k._variation);
            param._keys.push_back(k);
        }
    }
    param.RebuildSpline();
}

void ReadParticleSystem(const TiXmlElement& element, ParticleSystem& system)
{
    for (const TiXmlElement* child = element.FirstChildElement("Param"); child;
         child = child->NextSiblingElement("Param")) {
        const char* name = child->Attribute("name");
        if (!name)
            continue;
        for (const NamedParam& named : kParams)
            if (std::strcmp(name, named.name) == 0)
                ReadParticleParam(*child, named.scale, system.*named.param);
    }
    ReadFloatAttribute(&element, "lifeInitial", system._lifeInitial);
    ReadFloatAttribute(&element, "lifeVariation", system._lifeVariation);
    ReadFloatAttribute(&element, "startTime", system._startTime);
    ReadBoolAttribute(&element, "linkedParticles", system._linkedParticles);
    system._additive = true;
    ReadBoolAttribute(&element, "additive", system._additive);
    std::string texture;
    if (ReadStringAttribute(&element, "texture", texture))
        system._texture = LoadParticleTexture(texture);
    // Without a count a new description gets the most a system may have.
    int count = system._particles.empty() ? ParticleSystem::kMaxParticles : static_cast<int>(system._particles.size());
    ReadIntAttribute(&element, "numOfParticles", count);
    system.SetParticleCount(count);
}

void ReadEffect(const TiXmlElement& element, ParticleManager& library, ParticleEffect& effect)
{
    for (const TiXmlElement* child = element.FirstChildElement("ParticleSystem"); child;
         child = child->NextSiblingElement("ParticleSystem")) {
        effect._systems.emplace_back();
        ParticleSystem& system = effect._systems.back();
        system._bornTime = 0.0f;
        system._needStartDeadCounter = false;
        system._waiting = true;
        system._finished = false;
        if (const char* name = child->Attribute("name"))
            system.CopyDescription(library.System(name));
        ReadBoolAttribute(child, "needStartDeadCounter", system._needStartDeadCounter);
        ReadFloatAttribute(child, "deadCountTime", system._deadCountTime);
        ReadFloatAttribute(child, "bornTime", system._bornTime);
    }
}

void ReadParticlesFile(const std::string& file, ParticleManager& library)
{
    TiXmlDocument document;
    if (!LoadXmlFile(file, document) || !document.RootElement()) {
        LogError("Particles file load error", file);
        return;
    }
    g_log.WriteLabeled("Load particles", "DarkBlue", file);
    for (const TiXmlElement* element = document.RootElement()->FirstChildElement("ParticleSystem"); element;
         element = element->NextSiblingElement("ParticleSystem")) {
        if (const char* name = element->Attribute("name"))
            ReadParticleSystem(*element, library.System(name));
    }
}

void ReadEffectsFile(const std::string& file, ParticleManager& library)
{
    TiXmlDocument document;
    if (!LoadXmlFile(file, document) || !document.RootElement()) {
        LogError("Effects file load error", file);
        return;
    }
    g_log.WriteLabeled("Load effects", "DarkBlue", file);
    for (const TiXmlElement* element = document.RootElement()->FirstChildElement("Effect"); element;
         element = element->NextSiblingElement("Effect")) {
        if (const char* name = element->Attribute("name"))
            ReadEffect(*element, library, library.Effect(name));
    }
}
