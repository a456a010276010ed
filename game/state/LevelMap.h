#pragma once

// The level map: the stages in play order, each with its levels. Index =
// number - 1 for both. The positions are the world map's.

#include <string>
#include <vector>

struct LevelMapLevel {
    std::string name; // the level's element name in Level.xml
    int x = 0;
    int y = 0;
    int size = 0;
};

struct LevelMapStage {
    std::string name;
    std::vector<LevelMapLevel> levels;
    int x_t = 0;
    int y_t = 0;
};
