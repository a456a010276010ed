#include "tests/fuzz/ShippedLevelMap.h"

#include "game/state/LevelMapFile.h"
#include "tests/fuzz/FuzzTarget.h"

#include <cstdio>
#include <cstdlib>

namespace fuzz {

const std::vector<LevelMapStage>& ShippedStages()
{
    static std::vector<LevelMapStage> stages;
    static bool loaded = false;
    if (!loaded) {
        if (!LoadLevelMapFile(ShippedDataPath("LevelMap.xml"), stages) || stages.empty()) {
            std::fprintf(stderr, "the shipped LevelMap.xml does not load\n");
            std::abort();
        }
        loaded = true;
    }
    return stages;
}

} // namespace fuzz
