#include "game/state/ArtefactFile.h"

#include "engine/util/XmlAttributes.h"
#include "engine/util/XmlFile.h"
#include "game/state/ArtefactCatalogue.h"

#include <tinyxml.h>

bool ReadArtefactFile(const std::string& file, ArtefactCatalogue& catalogue)
{
    TiXmlDocument document;
    if (!LoadXmlFile(file, document) || !document.RootElement())
        return false;
    for (const TiXmlElement* node = document.RootElement()->FirstChildElement("Artefact"); node;
         node = node->NextSiblingElement("Artefact")) {
        Artefact& artefact = catalogue.Add();
        ReadStringAttribute(node, "path", artefact.path);
        artefact.UploadTexture();
        for (const TiXmlElement* item = node->FirstChildElement("element"); item;
             item = item->NextSiblingElement("element")) {
            ArtefactElement& element = artefact.elements.emplace_back();
            int width = 0;
            int height = 0;
            ReadIntAttribute(item, "x", element.x);
            ReadIntAttribute(item, "y", element.y);
            ReadIntAttribute(item, "width", width);
            ReadIntAttribute(item, "height", height);
            element.width = width + 4;
            element.height = height + 4;
        }
    }
    return true;
}
