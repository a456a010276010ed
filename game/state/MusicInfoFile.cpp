#include "game/state/MusicInfoFile.h"

#include "engine/platform/HtmlLog.h"
#include "engine/util/XmlFile.h"
#include "game/state/StrictXmlReader.h"

#include <tinyxml.h>

bool LoadMusicInfoFile(const std::string& name, std::vector<StageMusic>& music)
{
    TiXmlDocument document;
    if (!LoadXmlFile(name, document)) {
        LogError(name, "Can't load the music table");
        return false;
    }
    StrictXmlReader reader(name);
    const TiXmlElement* info = reader.Child(document.RootElement(), "MusicInfo", "");
    const TiXmlElement* s = info ? info->FirstChildElement("Stage") : nullptr;
    for (; s; s = s->NextSiblingElement()) {
        StageMusic stage;
        reader.String(s, "startMusic", stage.startMusic);
        reader.String(s, "mainMusic", stage.mainMusic);
        reader.Float(s, "startFadeSpeed", stage.startFadeSpeed);
        reader.Float(s, "mainMusicDelay", stage.mainMusicDelay);
        reader.Float(s, "mainFadeSpeed", stage.mainFadeSpeed);
        music.push_back(stage);
    }
    reader.Report("");
    return true;
}
