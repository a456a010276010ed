#include "game/state/LevelMapFile.h"

#include "engine/platform/HtmlLog.h"
#include "engine/util/XmlFile.h"
#include "game/state/StrictXmlReader.h"

#include <tinyxml.h>

bool LoadLevelMapFile(const std::string& name, std::vector<LevelMapStage>& stages)
{
    TiXmlDocument document;
    if (!LoadXmlFile(name, document)) {
        LogError(name, "Can't load the level map");
        return false;
    }
    StrictXmlReader reader(name);
    const TiXmlElement* root = document.RootElement();
    for (const TiXmlElement* s = root->FirstChildElement("Stage"); s; s = s->NextSiblingElement()) {
        LevelMapStage stage;
        reader.String(s, "name", stage.name);
        reader.Int(s, "x_t", stage.x_t);
        reader.Int(s, "y_t", stage.y_t);
        for (const TiXmlElement* l = s->FirstChildElement("Level"); l; l = l->NextSiblingElement()) {
            LevelMapLevel level;
            reader.String(l, "name", level.name);
            reader.Int(l, "x", level.x);
            reader.Int(l, "y", level.y);
            reader.Int(l, "size", level.size);
            stage.levels.push_back(level);
        }
        stages.push_back(stage);
    }
    reader.Report("");
    return true;
}

bool SaveLevelMapFile(const std::string& name, const std::vector<LevelMapStage>& stages)
{
    TiXmlDocument document;
    TiXmlElement root("LevelMap");
    for (const LevelMapStage& stage : stages) {
        TiXmlElement s("Stage");
        s.SetAttribute("name", stage.name);
        s.SetAttribute("x_t", stage.x_t);
        s.SetAttribute("y_t", stage.y_t);
        for (const LevelMapLevel& level : stage.levels) {
            TiXmlElement l("Level");
            l.SetAttribute("name", level.name);
            l.SetAttribute("x", level.x);
            l.SetAttribute("y", level.y);
            l.SetAttribute("size", level.size);
            s.InsertEndChild(l);
        }
        root.InsertEndChild(s);
    }
    document.InsertEndChild(root);
    if (!SaveXmlFileAtomically(document, name, false)) {
        LogError(name, "Can't save the level map");
        return false;
    }
    return true;
}
