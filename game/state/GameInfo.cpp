#include "game/state/GameInfo.h"

#include "engine/platform/Application.h"
#include "engine/platform/HtmlLog.h"
#include "engine/platform/StartUp.h"
#include "engine/util/XmlAttributes.h"
#include "engine/util/XmlFile.h"

std::string GameInfoPath()
{
    return g_appDataFolder + "/GameInfo.xml";
}

bool GameInfo::LoadGameState()
{
    _loaded = LoadXmlFile(GameInfoPath(), _document);
    if (!_loaded) {
        LogError("GameInfo.xml", "Can't load " + GameInfoPath());
        return false;
    }
    const TiXmlElement* options = _document.RootElement()->FirstChildElement("Options");
    ReadBoolAttribute(options, "fullscreen", _fullscreen);
    ReadIntAttribute(options, "music", _musicVolume);
    ReadIntAttribute(options, "sound", _soundVolume);
    ReadBoolAttribute(options, "customCursor", _customCursor);
    return true;
}

bool GameInfo::SaveGameState()
{
    if (!_loaded) {
        LogError("GameInfo.xml", "Not saved: the file it would replace was not loaded");
        return false;
    }
    ScopedTimerPause pause;
    TiXmlElement* root = _document.RootElement();
    TiXmlElement* options = root->FirstChildElement("Options");
    if (!options)
        options = root->InsertEndChild(TiXmlElement("Options"))->ToElement();
    options->SetAttribute("fullscreen", _fullscreen ? "true" : "false");
    options->SetAttribute("sound", _soundVolume);
    options->SetAttribute("music", _musicVolume);
    options->SetAttribute("customCursor", _customCursor ? 1 : 0);
    if (!SaveXmlFileAtomically(_document, GameInfoPath(), true)) {
        LogError("GameInfo.xml", "Can't save " + GameInfoPath() + "; the previous file is kept");
        return false;
    }
    return true;
}
