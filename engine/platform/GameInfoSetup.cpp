#include "engine/platform/GameInfoSetup.h"

#include "engine/platform/HtmlLog.h"
#include "engine/util/FileSystem.h"
#include "engine/util/XmlAttributes.h"
#include "engine/util/XmlFile.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <tinyxml.h>

namespace {

int VersionOf(const TiXmlDocument& document)
{
    int version = 0;
    ReadIntAttribute(document.RootElement(), "version", version);
    return version;
}

// The version when its whole text is a decimal number of 1 or more; 0 when
// it is missing or reads as anything else.
int StrictVersionOf(const TiXmlDocument& document)
{
    const TiXmlElement* root = document.RootElement();
    const char* text = root ? root->Attribute("version") : nullptr;
    if (!text || !*text)
        return 0;
    long long value = 0;
    for (const char* c = text; *c; ++c) {
        if (*c < '0' || *c > '9')
            return 0;
        value = value * 10 + (*c - '0');
        if (value > INT_MAX)
            return 0;
    }
    return static_cast<int>(value);
}

// The profiles a file holds; -1 when it does not read as a save at all.
int ProfilesIn(const std::string& path)
{
    TiXmlDocument document;
    if (!LoadXmlFile(path, document) || CheckGameInfoDocument(document, 1) == SavedGameInfo::Damaged)
        return -1;
    int count = 0;
    const TiXmlElement* profiles = document.RootElement()->FirstChildElement("Profiles");
    for (const TiXmlElement* p = profiles->FirstChildElement("Player"); p; p = p->NextSiblingElement("Player"))
        ++count;
    return count;
}

// Parses the default copy and writes it as the live file.
bool CopyThroughXml(const std::string& from, const std::string& to)
{
    TiXmlDocument document;
    if (!LoadXmlFile(from, document)) {
        LogError("GameInfo.xml", "Can't load the default copy " + from + "; nothing written");
        return false;
    }
    if (!SaveGameInfoFile(document, to)) {
        LogError("GameInfo.xml", "Can't write " + to);
        return false;
    }
    return true;
}

} // namespace

int ReadGameInfoVersion(const std::string& path)
{
    TiXmlDocument document;
    if (!LoadXmlFile(path, document))
        return 0;
    return VersionOf(document);
}

SavedGameInfo CheckGameInfoDocument(const TiXmlDocument& document, int requiredVersion)
{
    const TiXmlElement* root = document.RootElement();
    if (!root || root->ValueStr() != "GameInfo" || !root->FirstChildElement("Profiles"))
        return SavedGameInfo::Damaged;
    const int version = StrictVersionOf(document);
    if (version < 1)
        return SavedGameInfo::Damaged;
    return version < requiredVersion ? SavedGameInfo::Older : SavedGameInfo::Current;
}

GameInfoSetupResult PrepareLiveGameInfo(const std::string& livePath, const std::string& defaultPath,
                                        int requiredVersion)
{
    if (!FileExists(livePath))
        return CopyThroughXml(defaultPath, livePath) ? GameInfoSetupResult::CopiedDefault
                                                     : GameInfoSetupResult::Failed;

    TiXmlDocument live;
    const bool parsed = LoadXmlFile(livePath, live);
    const SavedGameInfo state = parsed ? CheckGameInfoDocument(live, requiredVersion) : SavedGameInfo::Damaged;
    if (state == SavedGameInfo::Current)
        return GameInfoSetupResult::KeptLive;
    if (state == SavedGameInfo::Older) {
        // The default copy replaces it, and the old save stays as the backup.
        g_log.Write("GameInfo.xml is of version " + std::to_string(VersionOf(live)) +
                        "; the default copy takes its place and the old one is kept as " + livePath + ".bak",
                    "DarkBlue");
        return CopyThroughXml(defaultPath, livePath) ? GameInfoSetupResult::CopiedDefault
                                                     : GameInfoSetupResult::Failed;
    }

    // The live copy is damaged: keep it aside, never write over it.
    const std::string why = parsed ? "it is not a save (its version or its profiles do not read)" : "it does not parse";
    const std::string broken = ResolvePath(livePath) + ".broken";
    if (std::rename(ResolvePath(livePath).c_str(), broken.c_str()) != 0) {
        LogError("GameInfo.xml", "Can't read " + livePath + ": " + why + ", and it can't be moved aside; it is left as it is");
        return GameInfoSetupResult::Failed;
    }
    LogError("GameInfo.xml", "Can't read " + livePath + ": " + why + "; moved aside as " + broken);

    const std::string backup = ResolvePath(livePath) + ".bak";
    TiXmlDocument saved;
    if (LoadXmlFile(backup, saved) && CheckGameInfoDocument(saved, requiredVersion) == SavedGameInfo::Current) {
        if (SaveXmlFileAtomically(saved, livePath, false)) {
            g_log.Write("GameInfo.xml restored from its backup", "DarkBlue");
            return GameInfoSetupResult::RestoredBackup;
        }
    }
    return CopyThroughXml(defaultPath, livePath) ? GameInfoSetupResult::CopiedDefault
                                                 : GameInfoSetupResult::Failed;
}

bool SaveGameInfoFile(const TiXmlDocument& document, const std::string& livePath)
{
    TiXmlPrinter printer;
    printer.SetIndent("\t");
    document.Accept(&printer);
    const std::string backup = ResolvePath(livePath) + ".bak";
    const int previous = ProfilesIn(livePath);
    if (previous > 0 || (previous == 0 && ProfilesIn(backup) <= 0)) {
        std::string text;
        if (ReadWholeFile(livePath, text))
            WriteFileAtomically(backup, text);
    }
    return WriteFileAtomically(livePath, printer.Str());
}
