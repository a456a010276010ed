#pragma once

// A player without a display: starts a level of the level map on a board of
// its own, as the stage screen does, and plays it with the mouse the way the
// demo chooses moves (a move under an artefact piece first, the lowest
// such move, else the lowest move), waiting a little between moves as a
// person would. The game runs on a fixed frame step; the player keeps its
// own clock of the level's play time.

#include <cstdint>
#include <string>

class GameField;

struct LevelPlayResult {
    bool finished = false;   // every artefact piece left the board in time
    float secondsUsed = 0.0f; // play time from the first free moment to the end
    float secondsAllowed = 0.0f;
    int moves = 0;
    int reshuffles = 0; // times the board had no move left
};

class GreedyPlayer {
public:
    // thinkSeconds: the pause before each move once the board is free.
    explicit GreedyPlayer(float thinkSeconds);

    // Plays level `level` of stage `stage` (both from 1) with the fill seeded
    // by `seed`, up to its time and a little over it.
    LevelPlayResult Play(int stage, int level, std::uint32_t seed);

private:
    bool MakeMove(GameField& board);

    float _thinkSeconds;
};
