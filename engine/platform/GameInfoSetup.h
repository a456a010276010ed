#pragma once

// Puts a usable GameInfo.xml into the application-data folder before the game
// state loads it: the game folder's default copy replaces a live copy that is
// missing or older than the required version. A live copy that does not parse
// is moved aside as GameInfo.xml.broken and the last good backup
// (GameInfo.xml.bak) takes its place when it reads; nothing is ever written
// from a default copy that itself fails to parse.

#include <string>

enum class GameInfoSetupResult {
    KeptLive,         // the live copy is current
    CopiedDefault,    // the default copy was put in place
    RestoredBackup,   // a broken live copy was replaced by its backup
    Failed            // no usable copy could be put in place
};

// The "version" attribute of the root element; 0 when missing.
int ReadGameInfoVersion(const std::string& path);

GameInfoSetupResult PrepareLiveGameInfo(const std::string& livePath, const std::string& defaultPath,
                                        int requiredVersion);
