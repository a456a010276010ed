#pragma once

// The game-play numbers of GameplayConst.xml: chain messages by chain length,
// points per extra life, the number of wise tips, the refill's trash limits
// and the chain thresholds.

#include <map>
#include <string>

// Points per extra life until GameplayConst.xml gives a number above 0 (the
// shipped value). The board divides by it: it is never 0.
constexpr int kDefaultLifeBonusScores = 50000;

struct GameplayConstants {
    std::map<int, std::string> chainMessages;
    int lifeBonusScores = kDefaultLifeBonusScores;
    int wiseTipsTotal = 0;
    int maxTrashOnField = 0;
    int addMaxTrashOnCycle = 0;
    int absoluteMaxTrashOnField = 0;
    int chain5 = 0;
    int chain9 = 0;
    int chain12 = 0;
};
