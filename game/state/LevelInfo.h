#pragma once

// One level's bonus record: the bonus counts taken and used in the level, and
// a third array whose meaning depends on where the record lives (the bonus
// stock saved at stage entry, or the letter counts of a level layout).

constexpr int LEVEL_INFO_SLOTS = 7;

struct LevelInfo {
    int takedBonus[LEVEL_INFO_SLOTS] = {};
    int usedBonus[LEVEL_INFO_SLOTS] = {};
    int extra[LEVEL_INFO_SLOTS] = {};
};
