#include "game/board/LevNameMapFile.h"

#include "engine/platform/HtmlLog.h"
#include "engine/util/XmlFile.h"

#include <tinyxml.h>

bool ReadLevNameMapFile(const std::string& fileName, LevNameMap& map)
{
    TiXmlDocument document;
    if (!LoadXmlFile(fileName, document))
        return false;
    int stage = 0;
    bool cut = false;
    for (const TiXmlElement* row = document.RootElement()->FirstChildElement(); row;
         row = row->NextSiblingElement(), ++stage) {
        if (stage >= kLevNameMapStages) {
            cut = true;
            break;
        }
        int level = 0;
        for (const TiXmlElement* entry = row->FirstChildElement(); entry;
             entry = entry->NextSiblingElement(), ++level) {
            if (level >= kLevNameMapLevels) {
                cut = true;
                break;
            }
            entry->QueryIntAttribute("value", &map[stage][level]);
        }
    }
    if (cut)
        LogError(fileName, "rows past the 7th and entries past the 20th are ignored");
    return true;
}
