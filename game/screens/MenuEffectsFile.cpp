#include "game/screens/MenuEffectsFile.h"

#include "engine/platform/HtmlLog.h"
#include "engine/util/XmlAttributes.h"
#include "engine/util/XmlFile.h"

#include <tinyxml.h>

const char* const kMenuEffectsFileError = "MenuEffects.xml";

namespace {

void ReadWave(const TiXmlElement* element, MenuEffectsData& data)
{
    MenuWaveSpec wave;
    ReadFloatAttribute(element, "width", wave.width);
    ReadFloatAttribute(element, "height", wave.height);
    ReadIntAttribute(element, "count", wave.count);
    ReadFloatAttribute(element, "timeScale", wave.timeScale);
    if (const TiXmlElement* position = element->FirstChildElement("position")) {
        ReadIntAttribute(position, "x", wave.x);
        ReadIntAttribute(position, "y", wave.y);
    }
    for (const TiXmlElement* key = element->FirstChildElement("key"); key; key = key->NextSiblingElement("key")) {
        float value = 0.0f;
        ReadFloatAttribute(key, "value", value);
        wave.values.push_back(value);
    }
    if (wave.count < 1) {
        LogError(kMenuEffectsFileError,
                 "A Wave of " + std::to_string(wave.count) + " segments is left out: it needs at least one.");
        return;
    }
    data.waves.push_back(wave);
}

void ReadFishTrack(const TiXmlElement* element, MenuEffectsData& data)
{
    FishTrack track;
    ReadIntAttribute(element, "numFishes", track.numFishes);
    ReadFloatAttribute(element, "timeScale", track.timeScale);
    if (track.numFishes < 0) {
        LogError(kMenuEffectsFileError,
                 "A FishTrack asks for " + std::to_string(track.numFishes) + " fish; it gets none.");
        track.numFishes = 0;
    }
    for (const TiXmlElement* key = element->FirstChildElement("key"); key; key = key->NextSiblingElement("key")) {
        Vector3 position, velocity;
        ReadFloatAttribute(key, "x", position.x);
        ReadFloatAttribute(key, "y", position.y);
        ReadFloatAttribute(key, "z", position.z);
        ReadFloatAttribute(key, "vx", velocity.x);
        ReadFloatAttribute(key, "vy", velocity.y);
        ReadFloatAttribute(key, "vz", velocity.z);
        track.positions.push_back(position);
        track.velocities.push_back(velocity);
    }
    data.tracks.push_back(track);
}

void ReadGem(const TiXmlElement* element, MenuEffectsData& data)
{
    if (static_cast<int>(data.gems.size()) >= MenuEffectsData::kMaxGems) {
        LogError(kMenuEffectsFileError, "More than seven Gem elements: the one after the seventh is left out.");
        return;
    }
    MenuGem gem;
    ReadIntAttribute(element, "x", gem.x);
    ReadIntAttribute(element, "y", gem.y);
    gem.y = 600 - gem.y;
    ReadIntAttribute(element, "r", gem.r);
    ReadIntAttribute(element, "g", gem.g);
    ReadIntAttribute(element, "b", gem.b);
    ReadStringAttribute(element, "tex", gem.textureName);
    data.gems.push_back(gem);
}

} // namespace

void ReadMenuEffects(const TiXmlElement* root, MenuEffectsData& data)
{
    if (!root)
        return;
    ReadIntAttribute(root, "numOfFishes", data.numOfFishes);
    if (data.numOfFishes < 0) {
        LogError(kMenuEffectsFileError,
                 "numOfFishes is " + std::to_string(data.numOfFishes) + "; no fish swim.");
        data.numOfFishes = 0;
    }
    for (const TiXmlElement* e = root->FirstChildElement("Wave"); e; e = e->NextSiblingElement("Wave"))
        ReadWave(e, data);
    for (const TiXmlElement* e = root->FirstChildElement("FishTrack"); e; e = e->NextSiblingElement("FishTrack"))
        ReadFishTrack(e, data);
    for (const TiXmlElement* e = root->FirstChildElement("Gem"); e; e = e->NextSiblingElement("Gem"))
        ReadGem(e, data);
    if (static_cast<int>(data.gems.size()) < MenuEffectsData::kMaxGems)
        LogError(kMenuEffectsFileError, "Only " + std::to_string(data.gems.size()) +
                                            " Gem elements of seven: the missing gems are not shown.");
}

bool ReadMenuEffectsFile(const std::string& name, MenuEffectsData& data)
{
    TiXmlDocument document;
    if (!LoadXmlFile(name, document)) {
        LogError(kMenuEffectsFileError, name + " cannot be read.");
        return false;
    }
    ReadMenuEffects(document.RootElement(), data);
    return true;
}
