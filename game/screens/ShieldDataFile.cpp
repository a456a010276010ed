#include "game/screens/ShieldDataFile.h"

#include "engine/platform/HtmlLog.h"
#include "engine/util/FileSystem.h"
#include "engine/util/XmlAttributes.h"
#include "engine/util/XmlFile.h"

#include <tinyxml.h>

const char* const kShieldDataFileError = "ShieldData.xml";

namespace {

void ReadLights(const TiXmlElement* lightings, ShieldDataSpec& data)
{
    int extra = 0;
    for (const TiXmlElement* light = lightings->FirstChildElement("Light"); light;
         light = light->NextSiblingElement("Light")) {
        if (static_cast<int>(data.lights.size()) >= ShieldDataSpec::kMaxLights) {
            ++extra;
            continue;
        }
        GemLightSpec entry;
        ReadStringAttribute(light, "texture", entry.texture);
        ReadIntAttribute(light, "r", entry.r);
        ReadIntAttribute(light, "g", entry.g);
        ReadIntAttribute(light, "b", entry.b);
        ReadIntAttribute(light, "x", entry.x);
        ReadIntAttribute(light, "y", entry.y);
        ReadIntAttribute(light, "width", entry.width);
        ReadIntAttribute(light, "height", entry.height);
        data.lights.push_back(entry);
    }
    if (extra > 0)
        LogError(kShieldDataFileError, std::to_string(extra) + " Light element(s) past the seventh are left out: "
                                           "the shield has seven gems.");
}

void ReadPath(const TiXmlElement* path, ShieldDataSpec& data)
{
    LightPathSpec entry;
    ReadIntAttribute(path, "number", entry.number);
    for (const TiXmlElement* point = path->FirstChildElement("Point"); point;
         point = point->NextSiblingElement("Point")) {
        float x = 0.0f;
        float y = 0.0f;
        ReadFloatAttribute(point, "x", x);
        ReadFloatAttribute(point, "y", y);
        entry.points.emplace_back(x, 599.0f - y, 0.0f);
    }
    if (entry.number < 0 || entry.number >= ShieldDataSpec::kGems) {
        LogError(kShieldDataFileError,
                 "A Path numbered " + std::to_string(entry.number) + " is left out: the gems are numbered 0 to 6.");
        return;
    }
    if (entry.points.size() < 2) {
        LogError(kShieldDataFileError, "A Path of gem " + std::to_string(entry.number) + " with " +
                                           std::to_string(entry.points.size()) +
                                           " point(s) is left out: a light needs two points to run.");
        return;
    }
    data.paths.push_back(std::move(entry));
}

} // namespace

void ReadShieldData(const TiXmlElement* root, ShieldDataSpec& data)
{
    data = ShieldDataSpec();
    if (!root)
        return;
    if (const TiXmlElement* lightings = root->FirstChildElement("GemLightings"))
        ReadLights(lightings, data);
    if (const TiXmlElement* paths = root->FirstChildElement("GemLightPaths")) {
        for (const TiXmlElement* artefact = paths->FirstChildElement("Artefact"); artefact;
             artefact = artefact->NextSiblingElement("Artefact")) {
            for (const TiXmlElement* path = artefact->FirstChildElement("Path"); path;
                 path = path->NextSiblingElement("Path"))
                ReadPath(path, data);
        }
    }
}

bool ReadShieldDataFile(const std::string& name, ShieldDataSpec& data)
{
    data = ShieldDataSpec();
    if (!FileExists(name))
        return false;
    TiXmlDocument document;
    if (!LoadXmlFile(name, document) || !document.RootElement()) {
        LogError(kShieldDataFileError, "The file " + name + " cannot be read; the shield has no lights and no paths.");
        return false;
    }
    ReadShieldData(document.RootElement(), data);
    return true;
}
