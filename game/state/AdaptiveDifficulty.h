#pragma once

// The difficulty that follows the player's results: a streak of five easy
// levels makes the game one step harder, five hard ones one step easier.
// Higher difficulty levels are easier (more level time).

class Player;

constexpr int HARDEST_DIFFICULTY = -7;
constexpr int EASIEST_DIFFICULTY = 20;

// One easy or hard level; counts only from stage 2 on.
void CountEasyLevel(Player& player);
void CountHardLevel(Player& player);

// One step harder (down to -7) or easier (up to 20), with a log line.
void IncreaseDifficultyLevel(Player& player);
void DecreaseDifficultyLevel(Player& player);
