#include "game/state/LevelCellCountsFile.h"

#include "engine/platform/HtmlLog.h"
#include "engine/util/XmlFile.h"
#include "game/state/Player.h"

#include <algorithm>
#include <cstring>
#include <tinyxml.h>

namespace {

const char LETTERS[] = "LTRBV";

} // namespace

const TiXmlElement* FindLevelElement(const TiXmlElement* root, const std::string& levelName)
{
    for (const TiXmlElement* e = root ? root->FirstChildElement() : nullptr; e; e = e->NextSiblingElement()) {
        const char* name = e->Attribute("name");
        if (name && levelName == name)
            return e;
    }
    return nullptr;
}

LevelInfo CountLevelLetters(const std::vector<std::string>& rows)
{
    LevelInfo info;
    for (const std::string& row : rows) {
        for (char c : row) {
            if (c == '\0')
                continue;
            if (const char* at = std::strchr(LETTERS, c))
                info.extra[at - LETTERS] += 1;
        }
    }
    return info;
}

bool LoadLevelCellCountsFile(const std::string& name, const std::vector<LevelMapStage>& stages,
                             std::vector<std::vector<LevelInfo>>& counts)
{
    TiXmlDocument document;
    if (!LoadXmlFile(name, document)) {
        LogError(name, "Can't load the level layouts");
        return false;
    }
    const TiXmlElement* root = document.RootElement();
    counts.clear();
    const std::size_t stageCount = std::min(stages.size(), static_cast<std::size_t>(STAGE_COUNT));
    int unnamed = 0;
    for (std::size_t s = 0; s < stageCount; ++s) {
        std::vector<LevelInfo> list;
        for (const LevelMapLevel& level : stages[s].levels) {
            std::vector<std::string> rows;
            if (const TiXmlElement* e = FindLevelElement(root, level.name)) {
                for (const TiXmlElement* line = e->FirstChildElement("Line"); line;
                     line = line->NextSiblingElement("Line")) {
                    if (const char* text = line->GetText())
                        rows.push_back(text);
                }
            } else {
                ++unnamed;
            }
            list.push_back(CountLevelLetters(rows));
        }
        counts.push_back(list);
    }
    if (unnamed > 0)
        LogError(name, std::to_string(unnamed) + " level(s) of the level map have no element here");
    return true;
}
