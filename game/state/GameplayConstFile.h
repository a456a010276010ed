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
// a log line. A "scores" of 0 or less is refused (the board divides by it).
bool LoadGameplayConstFile(const std::string& name, GameplayConstants& constants);
