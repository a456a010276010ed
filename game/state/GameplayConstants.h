#pragma once

// The game-play numbers of GameplayConst.xml: chain messages by chain length,
// points per extra life, the number of wise tips, the refill's trash limits
// and the chain thresholds.

#include <map>
#include <string>

struct GameplayConstants {
    std::map<int, std::string> chainMessages;
    int lifeBonusScores = 0;
    int wiseTipsTotal = 0;
    int maxTrashOnField = 0;
    int addMaxTrashOnCycle = 0;
    int absoluteMaxTrashOnField = 0;
    int chain5 = 0;
    int chain9 = 0;
    int chain12 = 0;
};
