// soundgen: synthesises the game's samples and music loops into the game folder.
//
//   soundgen <game folder>
//
// Writes every sound of the table below the game folder, creating folders.

#include "tools/soundgen/SoundTable.h"
#include "tools/soundgen/SoundWriter.h"

#include <cstdio>
#include <filesystem>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: soundgen <game folder>\n");
        return 2;
    }
    const std::string gameDir = argv[1];
    for (const SoundRecipe& recipe : GameSounds()) {
        const std::string path = gameDir + "/" + recipe.path;
        std::error_code ignored;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
        std::string error;
        if (!WriteSound(path, recipe.make(), error)) {
            std::fprintf(stderr, "soundgen: %s\n", error.c_str());
            return 1;
        }
    }
    return 0;
}
