#include "game/board/TracesFile.h"

#include "engine/util/XmlFile.h"

#include <tinyxml.h>

bool ReadTraceFile(const std::string& fileName, const std::string& traceName, std::vector<Point>& points)
{
    points.clear();
    TiXmlDocument document;
    if (!LoadXmlFile(fileName, document))
        return false;
    for (const TiXmlElement* trace = document.RootElement()->FirstChildElement("Trace"); trace;
         trace = trace->NextSiblingElement("Trace")) {
        const char* name = trace->Attribute("name");
        if (!name || traceName != name)
            continue;
        for (const TiXmlElement* p = trace->FirstChildElement(); p; p = p->NextSiblingElement())
            points.push_back(ReadPoint(p));
        return true;
    }
    return false;
}
