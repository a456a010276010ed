#pragma once

// The letter counts of Level.xml: for every level of the level map's stages
// (the first seven), how many "L", "T", "R", "B" and "V" cells its "Line"
// rows hold, in extra[0] to extra[4] of a LevelInfo.

#include "game/state/LevelInfo.h"
#include "game/state/LevelMap.h"

#include <string>
#include <vector>

// Replaces the counts; a file that cannot be loaded changes nothing (false,
// with a log line). A level that no element names counts zeros.
bool LoadLevelCellCountsFile(const std::string& name, const std::vector<LevelMapStage>& stages,
                             std::vector<std::vector<LevelInfo>>& counts);

// The counts of one level element's rows.
LevelInfo CountLevelLetters(const std::vector<std::string>& rows);

class TiXmlElement;
// The first child of the level file's root whose "name" is the level name
// (compared exactly), or null.
const TiXmlElement* FindLevelElement(const TiXmlElement* root, const std::string& levelName);
