// artgen: draws the game's pictures into the game folder.
//
//   artgen <game folder> <serif face.ttf> <bold serif face.ttf> [--list]
//
// Writes every picture of the table below the game folder (data/... and
// fsdata/...), creating the folders. With --list only prints the paths.

#include "tools/artgen/PictureTable.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "--list") == 0) {
        for (const PictureRecipe& recipe : GamePictures())
            for (const std::string& path : recipe.paths)
                std::printf("%s\n", path.c_str());
        return 0;
    }
    if (argc != 4) {
        std::fprintf(stderr, "usage: artgen <game folder> <serif face.ttf> <bold serif face.ttf>\n       artgen --list\n");
        return 2;
    }
    const std::string gameDir = argv[1];
    TextPainter serif(argv[2]);
    TextPainter serifBold(argv[3]);
    for (const TextPainter* painter : {&serif, &serifBold})
        if (!painter->IsOpen()) {
            std::fprintf(stderr, "artgen: %s\n", painter->Error().c_str());
            return 1;
        }
    ArtFaces faces{serif, serifBold};
    for (const PictureRecipe& recipe : GamePictures()) {
        for (const std::string& path : recipe.paths) {
            std::error_code ignored;
            std::filesystem::create_directories(std::filesystem::path(gameDir + "/" + path).parent_path(), ignored);
        }
        std::string error;
        if (!MakePicture(recipe, faces, gameDir, error)) {
            std::fprintf(stderr, "artgen: %s\n", error.c_str());
            return 1;
        }
    }
    return 0;
}
