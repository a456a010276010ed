// LevelMap.xml: read, written back and read again; what is read back saves
// the same as what was read.
#include "engine/util/FileSystem.h"
#include "game/state/LevelMapFile.h"
#include "tests/fuzz/FuzzTarget.h"

#include <cstdio>
#include <cstdlib>

namespace {

void Run(const std::uint8_t* data, std::size_t size)
{
    fuzz::WriteInput("LevelMap.xml", data, size);
    std::vector<LevelMapStage> stages;
    if (!LoadLevelMapFile("LevelMap.xml", stages))
        return;
    SaveLevelMapFile("LevelMapCopy.xml", stages);
    std::vector<LevelMapStage> again;
    if (!LoadLevelMapFile("LevelMapCopy.xml", again)) {
        std::fprintf(stderr, "the saved LevelMap.xml does not load\n");
        std::abort();
    }
    SaveLevelMapFile("LevelMapCopyAgain.xml", again);
    std::string saved;
    std::string savedAgain;
    ReadWholeFile("LevelMapCopy.xml", saved);
    ReadWholeFile("LevelMapCopyAgain.xml", savedAgain);
    if (savedAgain != saved) {
        std::fprintf(stderr, "a save read back saves differently:\n%s\n---\n%s\n", saved.c_str(), savedAgain.c_str());
        std::abort();
    }
}

const fuzz::FuzzTarget target("level_map", Run);

} // namespace
