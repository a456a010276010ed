#include "game/screens/ArtTextsFile.h"

#include "engine/platform/HtmlLog.h"
#include "engine/util/FileSystem.h"
#include "engine/util/XmlFile.h"

#include <tinyxml.h>

const TextBlock* ArtTexts::Find(int k) const
{
    if (k < 0 || k >= static_cast<int>(texts.size()))
        return nullptr;
    return texts[static_cast<std::size_t>(k)].get();
}

void ReadArtTexts(const TiXmlElement* root, ArtTexts& out)
{
    out = ArtTexts();
    if (!root)
        return;
    for (int k = 0; k < ArtTexts::kCount; ++k) {
        const std::string id = std::to_string(k);
        for (const TiXmlElement* child = root->FirstChildElement(); child; child = child->NextSiblingElement()) {
            const char* childId = child->Attribute("id");
            if (childId && id == childId) {
                out.texts[static_cast<std::size_t>(k)] = std::make_unique<TextBlock>(child);
                break;
            }
        }
    }
}

bool ReadArtTextsFile(const std::string& name, ArtTexts& out)
{
    out = ArtTexts();
    if (!FileExists(name))
        return false;
    TiXmlDocument document;
    if (!LoadXmlFile(name, document) || !document.RootElement()) {
        LogError("artTexts.xml", "The file " + name + " cannot be read; the artefacts have no texts.");
        return false;
    }
    ReadArtTexts(document.RootElement(), out);
    return true;
}
