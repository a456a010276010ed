#pragma once

// One scene of help.xml as a help board plays it: where the cursor starts,
// the board state it loads, the cursor's actions and the kinds of the
// squares that refill the board.

#include "engine/util/Point.h"
#include "game/board/HelpAction.h"

#include <string>
#include <vector>

struct HelpScene {
    Point cursor;
    std::string state;
    std::vector<HelpAction> actions;
    std::vector<int> randoms;
};

// The first "help" element named so. False when the file cannot be read or
// has no such scene. An action of an unknown name and an "r" that is no
// square kind are skipped with a log line; an action takes the values its
// name does not set from the action before it.
bool ReadHelpScene(const std::string& fileName, const std::string& sceneName, HelpScene& scene);
