#pragma once

// One hi-score entry and the table's insertion rule: at most ten results,
// best first, one per profile (by uid).

#include <string>
#include <vector>

constexpr int HI_SCORE_LINES = 10;

struct HiScoresElem {
    std::string name;
    int score = 0;
    int cycle = 0;
    int uid = 0;
};

// Replaces the entry of the same uid, places the new one after every entry
// with an equal or higher score, and keeps the best ten.
void InsertHiScore(std::vector<HiScoresElem>& table, const HiScoresElem& entry);
