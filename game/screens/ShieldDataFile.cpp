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
        GemLightSpec spec;
        ReadStringAttribute(light, "texture", spec.texture);
        ReadIntAttribute(light, "r", spec.r);
        ReadIntAttribute(light, "g", spec.g);
        ReadIntAttribute(light, "b", spec.b);
        ReadIntAttribute(light, "x", spec.x);
        ReadIntAttribute(light, "y", spec.y);
        ReadIntAttribute(light, "width", spec.width);
        ReadIntAttribute(light, "height", spec.height);
        data.lights.push_back(spec);
    }
    if (extra > 0)
        LogError(kShieldDataFileError, std::to_string(extra) + " Light element(s) past the seventh are left out: "
                                           "the shield has seven gems.");
}

void ReadPath(const TiXmlElement* path, ShieldDataSpec& data)
{
    LightPathSpec spec;
    ReadIntAttribute(path, "number", spec.number);
    for (const TiXmlElement* point = path->FirstChildElement("Point"); point;
         point = point->NextSiblingElement("Point")) {
        float x = 0.0f;
        float y = 0.0f;
        ReadFloatAttribute(point, "x", x);
        ReadFloatAttribute(point, "y", y);
        spec.points.emplace_back(x, 599.0f - y, 0.0f);
    }
    if (spec.number < 0 || spec.number >= ShieldDataSpec::kGems) {
        LogError(kShieldDataFileError,
                 "A Path numbered " + std::to_string(spec.number) + " is left out: the gems are numbered 0 to 6.");
        return;
    }
    if (spec.points.size() < 2) {
        LogError(kShieldDataFileError, "A Path of gem " + std::to_string(spec.number) + " with " +
                                           std::to_string(spec.points.size()) +
                                           " point(s) is left out: a light needs two points to run.");
        return;
    }
    data.paths.push_back(std::move(spec));
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
