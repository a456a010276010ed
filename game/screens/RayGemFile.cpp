#include "game/screens/RayGemFile.h"

#include "engine/platform/HtmlLog.h"
#include "engine/util/FileSystem.h"
#include "engine/util/XmlAttributes.h"
#include "engine/util/XmlFile.h"

#include <tinyxml.h>

const char* const kRayGemFileError = "RayGem.xml";

void ReadRayGems(const TiXmlElement* root, std::vector<RayGemEntry>& entries)
{
    entries.clear();
    if (!root)
        return;
    for (const TiXmlElement* gem = root->FirstChildElement("Gem");
         gem && static_cast<int>(entries.size()) < kRayGemEntries; gem = gem->NextSiblingElement("Gem")) {
        int x = 0;
        int y = 0;
        RayGemEntry entry;
        ReadIntAttribute(gem, "x", x);
        ReadIntAttribute(gem, "y", y);
        ReadIntAttribute(gem, "r", entry.r);
        ReadIntAttribute(gem, "g", entry.g);
        ReadIntAttribute(gem, "b", entry.b);
        entry.x = static_cast<float>(x + 60);
        entry.y = static_cast<float>((600 - y) + 35);
        entries.push_back(entry);
    }
    if (static_cast<int>(entries.size()) < kRayGemEntries)
        LogError(kRayGemFileError, "Only " + std::to_string(entries.size()) +
                                       " Gem element(s); the gems past them get no ray when they are switched on.");
}

bool ReadRayGemFile(const std::string& name, std::vector<RayGemEntry>& entries)
{
    entries.clear();
    if (!FileExists(name))
        return false;
    TiXmlDocument document;
    if (!LoadXmlFile(name, document) || !document.RootElement()) {
        LogError(kRayGemFileError, "The file " + name + " cannot be read; no gem gets a ray.");
        return false;
    }
    ReadRayGems(document.RootElement(), entries);
    return true;
}
