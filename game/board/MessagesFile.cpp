#include "game/board/MessagesFile.h"

#include "engine/platform/HtmlLog.h"
#include "engine/util/StringUtils.h"
#include "engine/util/XmlFile.h"

#include <tinyxml.h>

bool ReadMessagesFile(const std::string& fileName, MessageTexts& messages)
{
    TiXmlDocument document;
    if (!LoadXmlFile(fileName, document))
        return false;
    int skipped = 0;
    for (const TiXmlElement* e = document.RootElement()->FirstChildElement("Message"); e;
         e = e->NextSiblingElement("Message")) {
        const char* name = e->Attribute("name");
        const TiXmlElement* text = e->FirstChildElement("Text");
        if (!name || !text) {
            ++skipped;
            continue;
        }
        if (messages.count(name) == 0)
            messages.emplace(name, TextBlock(text));
    }
    if (skipped > 0)
        LogError(fileName, std::to_string(skipped) +
                                      " \"Message\" element(s) without a \"name\" or a \"Text\" skipped");
    return true;
}
