// artgen: draws the game's pictures into the game folder.
//
//   artgen <game folder> <serif face.ttf> <bold serif face.ttf> [--list]
//
// Writes every picture of the table below the game folder (data/... and
// fsdata/...), creating the folders. With --list only prints the paths.

#include "tools/artgen/PictureTable.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

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
    const std::vector<PictureRecipe>& recipes = GamePictures();
    for (const PictureRecipe& recipe : recipes)
        for (const std::string& path : recipe.paths) {
            std::error_code ignored;
            std::filesystem::create_directories(std::filesystem::path(gameDir + "/" + path).parent_path(), ignored);
        }
    // The pictures are drawn by a few workers side by side, each with faces
    // of its own (a face serves one thread at a time).
    const unsigned workers = std::max(1u, std::min(4u, std::thread::hardware_concurrency()));
    std::atomic<std::size_t> next{0};
    std::atomic<bool> failed{false};
    std::mutex reporting;
    auto work = [&]() {
        TitleLetterer serif(argv[2]);
        TitleLetterer serifBold(argv[3]);
        for (const TitleLetterer* painter : {&serif, &serifBold})
            if (!painter->IsOpen()) {
                const std::lock_guard<std::mutex> lock(reporting);
                std::fprintf(stderr, "artgen: %s\n", painter->Error().c_str());
                failed = true;
                return;
            }
        ArtFaces faces{serif, serifBold};
        for (std::size_t i = next++; i < recipes.size() && !failed; i = next++) {
            std::string error;
            if (!MakePicture(recipes[i], faces, gameDir, error)) {
                const std::lock_guard<std::mutex> lock(reporting);
                std::fprintf(stderr, "artgen: %s\n", error.c_str());
                failed = true;
            }
        }
    };
    std::vector<std::thread> threads;
    for (unsigned i = 1; i < workers; ++i)
        threads.emplace_back(work);
    work();
    for (std::thread& thread : threads)
        thread.join();
    return failed ? 1 : 0;
}
