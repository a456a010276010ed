// Start-up to the first frame of the main menu: settings, log, profiles,
// window, resources, scripts and layers, then the menu put up at once (the
// splashes skipped) and one frame drawn. The script binding registers its
// classes once a process, so each start runs in a child process of its own,
// which reports its time through a pipe; the shut-down is not timed. The
// first start warms the files, later ones are warm.

#include "app/benchmarks/InProcessGame.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Seconds from the start to the menu's first frame, or a negative value.
double StartOnce()
{
    const auto begin = std::chrono::steady_clock::now();
    InProcessGame game(VELMORA_GAME_DIR);
    if (!game.Start())
        return -1.0;
    game.ToMainMenu();
    game.Frames(1);
    if (game.TopLayer() != "MainMenu")
        return -1.0;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
}

double StartInAChild()
{
    int channel[2];
    if (pipe(channel) != 0)
        return -1.0;
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        const double seconds = StartOnce();
        const ssize_t written = write(channel[1], &seconds, sizeof seconds);
        _exit(written == sizeof seconds ? 0 : 1);
    }
    close(channel[1]);
    double seconds = -1.0;
    if (child < 0 || read(channel[0], &seconds, sizeof seconds) != sizeof seconds)
        seconds = -1.0;
    close(channel[0]);
    if (child > 0)
        waitpid(child, nullptr, 0);
    return seconds;
}

void BM_StartUpToTheMainMenusFirstFrame(benchmark::State& state)
{
    StartInAChild(); // the cold start, not counted
    for (auto _ : state) {
        const double seconds = StartInAChild();
        if (seconds < 0.0) {
            state.SkipWithError("the game did not reach its main menu");
            return;
        }
        state.SetIterationTime(seconds);
    }
}
BENCHMARK(BM_StartUpToTheMainMenusFirstFrame)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

} // namespace
