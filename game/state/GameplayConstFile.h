#pragma once

// GameplayConst.xml: root > "Chains" > "ChainMessage" ("n", "text"); root >
// "LifeBonusScores" ("scores"), "WiseTips" ("totalNumber"), and
// "MaxTrashOnField", "AddMaxTrashOnCycle", "AbsoluteMaxTrashOnField",
// "Chain5", "Chain9", "Chain12" (each "count").

#include "game/state/GameplayConstants.h"

#include <string>

// Reads the file over the given values: chain messages are added (the first
// text of a number stays), each single value replaced when its element
// carries it. A file that cannot be loaded changes nothing; false then, with
// a log line. A "scores" that is missing or not above 0 is refused with a log
// line (the board divides by it): the points per extra life stay as they
// were, which is kDefaultLifeBonusScores at the first load.
bool LoadGameplayConstFile(const std::string& name, GameplayConstants& constants);
