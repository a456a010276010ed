#pragma once

// What the active profile held when the current level started; the statistics
// screen shows the differences, and a restarted level puts the bonuses back.

struct LevelStartState {
    int tiles = 0;
    int numMatches = 0;
    int score = 0;
    int pieces = 0;
    int bonusCount[4] = {};
    int takedBonus[4] = {};
};
