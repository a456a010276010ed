#pragma once

// GameInfo.xml: root "GameInfo" ("version") > "Profiles" (one "Player" per
// profile, in name order), "ActivePlayer" ("name"), "Options" ("fullscreen",
// "sound", "music", "customCursor") and "HiScores" ("HiScoresElem" entries).
// A profile's level records are written in play order without positions: the
// level map says where one stage's records end and the next stage's begin.

#include "engine/util/MathFunctions.h"
#include "game/state/GameOptions.h"
#include "game/state/HiScoresElem.h"
#include "game/state/LevelMap.h"
#include "game/state/Player.h"

#include <map>
#include <string>
#include <vector>

class TiXmlDocument;
class TiXmlElement;

struct GameInfoContents {
    std::map<std::string, Player> players;
    std::string activePlayer;
    GameOptions options;
    std::vector<HiScoresElem> hiScores;
};

// Reads a parsed document. Options absent from the file keep the values that
// contents holds; every other part is replaced. Absent elements read as empty,
// with one log line each.
void ReadGameInfoDocument(const TiXmlDocument& document, const std::vector<LevelMapStage>& stages,
                          GameInfoContents& contents);

// Builds the document to save.
void WriteGameInfoDocument(const GameInfoContents& contents, int version, const std::vector<LevelMapStage>& stages,
                           TiXmlDocument& document);

// One profile from its "Player" element, over a default profile.
Player ReadPlayerElement(const TiXmlElement& element, const std::vector<LevelMapStage>& stages);
void WritePlayerElement(const Player& player, const std::vector<LevelMapStage>& stages, TiXmlElement& parent);
