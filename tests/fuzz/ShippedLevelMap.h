#pragma once

// The stages of the shipped LevelMap.xml, read on the first call: the files
// whose records follow the level map are read against it.

#include "game/state/LevelMap.h"

#include <vector>

namespace fuzz {

const std::vector<LevelMapStage>& ShippedStages();

} // namespace fuzz
