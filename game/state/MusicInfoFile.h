#pragma once

// Music.xml: root > "MusicInfo" > "Stage" ("startMusic", "mainMusic",
// "startFadeSpeed", "mainMusicDelay", "mainFadeSpeed"), one per stage.

#include "game/state/StageMusic.h"

#include <string>
#include <vector>

// Appends the file's stages to the table. False, with a log line, when the
// file cannot be loaded.
bool LoadMusicInfoFile(const std::string& name, std::vector<StageMusic>& music);
