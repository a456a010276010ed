#include "engine/platform/GameInfoSetup.h"

#include "engine/platform/HtmlLog.h"
#include "engine/util/FileSystem.h"
#include "engine/util/XmlAttributes.h"
#include "engine/util/XmlFile.h"

#include <cstdio>
#include <tinyxml.h>

namespace {

int VersionOf(const TiXmlDocument& document)
{
    int version = 0;
    ReadIntAttribute(document.RootElement(), "version", version);
    return version;
}

// Parses the default copy and writes it as the live file.
bool CopyThroughXml(const std::string& from, const std::string& to, bool keepBackup)
{
    TiXmlDocument document;
    if (!LoadXmlFile(from, document)) {
        LogError("GameInfo.xml", "Can't load the default copy " + from + "; nothing written");
        return false;
    }
    if (!SaveXmlFileAtomically(document, to, keepBackup)) {
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

GameInfoSetupResult PrepareLiveGameInfo(const std::string& livePath, const std::string& defaultPath,
                                        int requiredVersion)
{
    if (!FileExists(livePath))
        return CopyThroughXml(defaultPath, livePath, false) ? GameInfoSetupResult::CopiedDefault
                                                             : GameInfoSetupResult::Failed;

    TiXmlDocument live;
    if (LoadXmlFile(livePath, live)) {
        if (VersionOf(live) >= requiredVersion)
            return GameInfoSetupResult::KeptLive;
        // An older save: the default copy replaces it, and the old one stays
        // as the backup.
        return CopyThroughXml(defaultPath, livePath, true) ? GameInfoSetupResult::CopiedDefault
                                                            : GameInfoSetupResult::Failed;
    }

    // The live copy does not read: keep it aside, never write over it.
    const std::string broken = ResolvePath(livePath) + ".broken";
    if (std::rename(ResolvePath(livePath).c_str(), broken.c_str()) != 0) {
        LogError("GameInfo.xml", "Can't read " + livePath + " and can't move it aside; it is left as it is");
        return GameInfoSetupResult::Failed;
    }
    LogError("GameInfo.xml", "Can't read " + livePath + "; moved aside as " + broken);

    const std::string backup = ResolvePath(livePath) + ".bak";
    TiXmlDocument saved;
    if (LoadXmlFile(backup, saved) && VersionOf(saved) >= requiredVersion) {
        if (SaveXmlFileAtomically(saved, livePath, false)) {
            g_log.Write("GameInfo.xml restored from its backup", "DarkBlue");
            return GameInfoSetupResult::RestoredBackup;
        }
    }
    return CopyThroughXml(defaultPath, livePath, false) ? GameInfoSetupResult::CopiedDefault
                                                         : GameInfoSetupResult::Failed;
}
