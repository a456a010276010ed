#pragma once

// level.xml: one file holds every level. The root element, whatever its
// name, holds one element per level, found by its attribute "name" (the
// first one wins). A level's attributes are all required; its "Line"
// children are the board's rows, the top row first, one character a cell.
//
// The reader hands the board only a level it can build: a malformed level
// is refused with one log line that names every fault found.

#include <string>
#include <vector>

constexpr int kMaxBoardSide = 20;
constexpr int kMaxColours = 16;
// The highest artefact piece number a square can carry.
constexpr int kLastArtefactPiece = 79;

struct LevelRecord {
    std::string name;
    float time = 0.0f;     // seconds allowed, before the difficulty adjustment
    float tipTime = 0.0f;  // idle seconds before a hint
    int qMusor = 0;        // musor quantity of the refill
    float sunInc4 = 0.0f;  // sun energy of a group of 4, 5 and 6 or more
    float sunInc5 = 0.0f;
    float sunInc6 = 0.0f;
    std::vector<int> chips; // the colour values fills may use, 1 to 16
    int artefactBegin = 0;  // the number of the level's first artefact piece
    std::vector<std::string> rows; // top row first, all of one length

    int Width() const { return rows.empty() ? 0 : static_cast<int>(rows.front().size()); }
    int Height() const { return static_cast<int>(rows.size()); }
};

struct LevelReadResult {
    enum Status {
        kLoaded,
        kUnreadable, // the file cannot be read or parsed
        kNotFound,   // no level element has the name
        kMalformed,  // the level was found but cannot be built (logged)
    };
    Status status = kUnreadable;
    LevelRecord level;
};

LevelReadResult ReadLevelFile(const std::string& fileName, const std::string& levelName);

// The level code of a cell character: 0 no cell, 1 a plain cell, else the
// preset content ("A" gives the artefact group; the board numbers the pieces).
int LevelCellCode(char c);

// The colour value of a "chips" character ('0'-'9', 'A'-'F'), or -1.
int ChipColourValue(char c);
