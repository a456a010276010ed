#include "game/screens/BookPagesFile.h"

#include "engine/platform/HtmlLog.h"
#include "engine/util/XmlFile.h"
#include "gui/effects/TextEffectFile.h"
#include "gui/effects/TextWithEffects.h"

#include <tinyxml.h>

namespace {

const char* const kLoadErrorTitle = "GUI file load error";

} // namespace

int ReadBookPages(const std::string& fileName, TextWithEffects* pages, int pageCount)
{
    TiXmlDocument document;
    if (!LoadXmlFile(fileName, document) || !document.RootElement()) {
        LogError(kLoadErrorTitle, fileName + " could not be read; its pages stay empty.");
        return 0;
    }
    int read = 0;
    for (const TiXmlElement* text = document.RootElement()->FirstChildElement("Text"); text && read < pageCount;
         text = text->NextSiblingElement("Text")) {
        ParseTextEffect(text, pages[read]);
        ++read;
    }
    if (read < pageCount)
        LogError(kLoadErrorTitle, fileName + " holds " + std::to_string(read) + " \"Text\" elements of " +
                                      std::to_string(pageCount) + "; the pages after them stay empty.");
    return read;
}
