#include "game/screens/LevelTextsFile.h"

#include "engine/platform/HtmlLog.h"
#include "engine/util/StringUtils.h"
#include "engine/util/XmlAttributes.h"
#include "engine/util/XmlFile.h"

#include <tinyxml.h>

#include <map>

const TextBlock* LevelTexts::Find(int stage, int level) const
{
    if (stage < 0 || stage >= static_cast<int>(texts.size()))
        return nullptr;
    const auto& levels = texts[static_cast<std::size_t>(stage)];
    if (level < 0 || level >= static_cast<int>(levels.size()))
        return nullptr;
    return levels[static_cast<std::size_t>(level)].get();
}

std::string LevelTextId(const std::string& stageName, int stage, int level)
{
    return stageName + "_" + IntToString(stage) + "_" + IntToString(level);
}

bool LoadLevelTextsFile(const std::string& fileName, const std::vector<LevelMapStage>& stages, LevelTexts& out)
{
    out.texts.clear();
    out.viewPort = Rect();
    for (const LevelMapStage& stage : stages)
        out.texts.emplace_back(stage.levels.size());

    TiXmlDocument document;
    if (!LoadXmlFile(fileName, document) || !document.RootElement()) {
        LogError(fileName, "Can't load the texts of the world map's levels");
        return false;
    }
    const TiXmlElement* root = document.RootElement();
    if (const TiXmlElement* port = root->FirstChildElement("TextViewPort")) {
        ReadIntAttribute(port, "x", out.viewPort.x);
        ReadIntAttribute(port, "y", out.viewPort.y);
        ReadIntAttribute(port, "width", out.viewPort.w);
        ReadIntAttribute(port, "height", out.viewPort.h);
    }
    // The first element of each id.
    std::map<std::string, const TiXmlElement*> byId;
    for (const TiXmlElement* text = root->FirstChildElement("text"); text; text = text->NextSiblingElement("text")) {
        std::string id;
        if (ReadStringAttribute(text, "id", id))
            byId.emplace(id, text);
    }
    for (std::size_t s = 0; s < stages.size(); ++s) {
        for (std::size_t l = 0; l < stages[s].levels.size(); ++l) {
            const auto found = byId.find(
                LevelTextId(stages[s].name, static_cast<int>(s) + 1, static_cast<int>(l) + 1));
            if (found != byId.end())
                out.texts[s][l] = std::make_unique<TextBlock>(found->second);
        }
    }
    return true;
}
