#include "game/screens/MediaTextFile.h"

#include "engine/platform/HtmlLog.h"
#include "engine/util/XmlFile.h"
#include "game/screens/MediaText.h"

#include <tinyxml.h>

std::unique_ptr<MediaText> ReadMediaTextFile(const std::string& fileName)
{
    const char* const title = "GUI file load error";
    TiXmlDocument document;
    if (!LoadXmlFile(fileName, document) || !document.RootElement()) {
        LogError(title, fileName + " could not be read; the media text is not shown.");
        return nullptr;
    }
    const TiXmlElement* media = document.RootElement()->FirstChildElement("MediaText");
    if (!media) {
        LogError(title, fileName + " has no \"MediaText\" element; the media text is not shown.");
        return nullptr;
    }
    const TiXmlElement* text = media->FirstChildElement("Text");
    if (!text) {
        LogError(title, fileName + ": its \"MediaText\" has no \"Text\"; the media text is not shown.");
        return nullptr;
    }
    return std::make_unique<MediaText>(text);
}
