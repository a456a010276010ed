#pragma once

// Puts a usable GameInfo.xml into the application-data folder before the game
// state loads it, and writes it with its backup.
//
// A live copy that is missing takes the game folder's default copy. A live
// copy that reads as a save of an older version is replaced by the default
// copy and stays as the backup (GameInfo.xml.bak). A damaged live copy (it
// does not parse, its version does not read as a whole number of 1 or more,
// or it lacks its "Profiles") is moved aside as GameInfo.xml.broken, and the
// backup takes its place when the backup reads as a current save; otherwise
// the default copy does. Nothing is ever written from a default copy that
// itself fails to parse.

#include <string>

class TiXmlDocument;

enum class GameInfoSetupResult {
    KeptLive,         // the live copy is current
    CopiedDefault,    // the default copy was put in place
    RestoredBackup,   // a damaged live copy was replaced by its backup
    Failed            // no usable copy could be put in place
};

enum class SavedGameInfo {
    Current, // a save of the required version or later
    Older,   // a readable save of an older version
    Damaged  // anything else
};

// The "version" attribute of the root element; 0 when missing.
int ReadGameInfoVersion(const std::string& path);

// How a parsed document stands as a save.
SavedGameInfo CheckGameInfoDocument(const TiXmlDocument& document, int requiredVersion);

GameInfoSetupResult PrepareLiveGameInfo(const std::string& livePath, const std::string& defaultPath,
                                        int requiredVersion);

// Writes the document over the live copy atomically. The file it replaces
// becomes the backup when it reads as a save, unless it holds no profile
// while the backup holds some: a backup never gives way to a poorer save.
// False (with errno telling why) when the live copy could not be written;
// it is then left as it was.
bool SaveGameInfoFile(const TiXmlDocument& document, const std::string& livePath);
