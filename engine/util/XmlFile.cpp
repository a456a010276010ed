#include "engine/util/XmlFile.h"

#include "engine/util/FileSystem.h"

#include <tinyxml.h>

bool LoadXmlFile(const std::string& name, TiXmlDocument& document)
{
    std::string contents;
    if (!ReadWholeFile(name, contents))
        return false;
    document.Clear();
    // As the library's own file loading does, the document carries its name.
    document.SetValue(name);
    document.Parse(contents.c_str(), nullptr, TIXML_ENCODING_LEGACY);
    return !document.Error() && document.RootElement() != nullptr;
}

bool SaveXmlFileAtomically(const TiXmlDocument& document, const std::string& name, bool keepBackup)
{
    TiXmlPrinter printer;
    printer.SetIndent("\t");
    document.Accept(&printer);
    if (keepBackup) {
        std::string previous;
        TiXmlDocument check;
        if (ReadWholeFile(name, previous) && LoadXmlFile(name, check))
            WriteFileAtomically(ResolvePath(name) + ".bak", previous);
    }
    return WriteFileAtomically(name, printer.Str());
}
