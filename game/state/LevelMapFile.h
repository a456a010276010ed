#pragma once

// LevelMap.xml: root > "Stage" ("name", "x_t", "y_t") > "Level" ("name", "x",
// "y", "size"). Written back as levelMap.xml by the world map's editor.

#include "game/state/LevelMap.h"

#include <string>
#include <vector>

// Appends the file's stages to the table (it is not emptied first). False,
// with a log line, when the file cannot be loaded; the table is then as it was.
bool LoadLevelMapFile(const std::string& name, std::vector<LevelMapStage>& stages);

// Writes the table atomically; false, with a log line, on failure.
bool SaveLevelMapFile(const std::string& name, const std::vector<LevelMapStage>& stages);
