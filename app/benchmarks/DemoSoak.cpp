// The soak run, not part of the tests: the idle menu's demo played for
// thirty minutes of game time on the fixed step, a new country every three
// minutes (a press ends the demo, the menu starts the next), with the
// resident memory sampled every game minute. Prints the resident memory on
// the still main menu before the first demo, one line a minute, and the
// growth after the first five minutes and from minute 10 to the last.
//
//   demo_soak [minutes]

#include "app/benchmarks/InProcessGame.h"
#include "engine/script/ScriptHost.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv)
{
    const int minutes = argc > 1 ? std::atoi(argv[1]) : 30;
    constexpr int kFramesPerMinute = 60 * 60;
    constexpr int kMinutesPerCountry = 3;
    InProcessGame game(VELMORA_GAME_DIR);
    if (!game.Start()) {
        std::fprintf(stderr, "the game did not start\n");
        return 1;
    }
    game.ToMainMenu();
    game.Frames(120);
    std::printf("main menu      resident %8.2f MB\n", static_cast<double>(ResidentBytes()) / (1024.0 * 1024.0));
    std::fflush(stdout);
    std::vector<std::size_t> samples;
    for (int minute = 0; minute < minutes; ++minute) {
        if (minute % kMinutesPerCountry == 0) {
            if (game.TopLayer() != "MainMenu") {
                game.Press(400, 300);
                game.Frames(90);
            }
            CallScriptFunction("RunMenuDemo");
            game.Frames(90);
        }
        game.Frames(kFramesPerMinute - (minute % kMinutesPerCountry == 0 ? 180 : 0));
        samples.push_back(ResidentBytes());
        std::printf("minute %2d  %-14s resident %8.2f MB\n", minute + 1, game.TopLayer().c_str(),
                    static_cast<double>(samples.back()) / (1024.0 * 1024.0));
        std::fflush(stdout);
    }
    if (samples.size() > 5) {
        const double growth = (static_cast<double>(samples.back()) - static_cast<double>(samples[4])) / (1024.0 * 1024.0);
        std::printf("growth after the first five minutes: %.2f MB\n", growth);
    }
    if (samples.size() > 10) {
        const double growth = (static_cast<double>(samples.back()) - static_cast<double>(samples[9])) / (1024.0 * 1024.0);
        std::printf("growth from minute 10 to minute %zu: %.2f MB\n", samples.size(), growth);
    }
    game.Shutdown();
    return 0;
}
