// levelplay: plays every level of the level map headless with a few seeds
// and reports those a greedy player cannot finish in time. A report for the
// level designer, not a test: it always exits 0 once it has run.
//
//   levelplay [data folder] [seeds] [think seconds] [level name]
//
// The data folder defaults to the current one; 3 seeds and 1 second of
// thought before each move; every level, or only the one named.

#include "engine/platform/HtmlLog.h"
#include "game/state/GameInfo.h"
#include "tools/levelplay/GreedyPlayer.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

int main(int argc, char** argv)
{
    const std::string folder = argc > 1 ? argv[1] : ".";
    const int seeds = argc > 2 ? std::atoi(argv[2]) : 3;
    const float think = argc > 3 ? static_cast<float>(std::atof(argv[3])) : 1.0f;
    const std::string only = argc > 4 ? argv[4] : "";
    std::error_code error;
    std::filesystem::current_path(folder, error);
    if (error) {
        std::fprintf(stderr, "levelplay: cannot enter %s\n", folder.c_str());
        return 2;
    }
    // The board's pictures and sounds are not loaded: their misses go to a
    // log of their own.
    OpenLogFile((std::filesystem::temp_directory_path() / "levelplay-log.htm").string(), true);
    gameInfo.LoadLevelMap();
    if (gameInfo.GetMapStageCount() == 0) {
        std::fprintf(stderr, "levelplay: no LevelMap.xml in %s\n", folder.c_str());
        return 2;
    }

    GreedyPlayer player(think);
    int unfinished = 0;
    std::printf("%-14s %8s %8s %8s %6s %10s\n", "level", "allowed", "mean", "worst", "done", "no moves");
    for (int s = 0; s < gameInfo.GetMapStageCount(); ++s) {
        const LevelMapStage& stage = gameInfo.GetMapStage(s);
        for (std::size_t l = 0; l < stage.levels.size(); ++l) {
            if (!only.empty() && stage.levels[l].name != only)
                continue;
            float sum = 0.0f;
            float worst = 0.0f;
            float allowed = 0.0f;
            int done = 0;
            int reshuffles = 0;
            for (int seed = 1; seed <= seeds; ++seed) {
                const LevelPlayResult result =
                    player.Play(s + 1, static_cast<int>(l) + 1, static_cast<std::uint32_t>(seed * 7919));
                sum += result.secondsUsed;
                worst = std::max(worst, result.secondsUsed);
                allowed = result.secondsAllowed;
                done += result.finished ? 1 : 0;
                reshuffles += result.reshuffles;
            }
            std::printf("%-14s %8.0f %8.0f %8.0f %3d/%-2d %10d%s\n", stage.levels[l].name.c_str(), allowed,
                        sum / static_cast<float>(seeds), worst, done, seeds, reshuffles,
                        done < seeds ? "  NOT FINISHED" : "");
            std::fflush(stdout);
            if (done < seeds)
                ++unfinished;
        }
    }
    std::printf("%d level(s) not finished in time by every seed\n", unfinished);
    return 0;
}
