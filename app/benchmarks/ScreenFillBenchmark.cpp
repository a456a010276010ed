// What each screen of the built game costs the renderer per frame, not part
// of the tests: the real program runs in-process from the game folder on the
// fixed step, with fixed random seeds, and is led to each screen in turn (the
// main menu, the world map, the first level of each of the seven countries,
// the shield, the gallery and the statistics page over a level). Once a
// screen stands, an occlusion query counts the fragments its frames draw,
// given in screens of 800 x 600, and the frames are then run at 60 Hz of
// wall time (the program sleeps to each frame's start) while the process's
// CPU time is read: the cores it takes. With --shots, a picture of each
// screen is saved as it stands, before it is measured, so that two builds'
// pictures can be compared. With --whole, the render device draws every quad
// whole, as it did before it saved fill.
//
//   fill_benchmarks [--shots DIR] [--frames N] [--seconds S] [--whole] [screen ...]
//
// Screens: menu map level1 .. level7 shield gallery statistics (all when
// none is named).

#include "app/GameFrameServices.h"
#include "app/benchmarks/InProcessGame.h"
#include "engine/render/RenderDevice.h"
#include "engine/script/ScriptHost.h"
#include "engine/util/Random.h"
#include "game/board/GameField.h"
#include "game/screens/GameStatistics.h"
#include "game/state/GameInfo.h"
#include "game/state/Player.h"
#include "gui/GUIManager.h"
#include "gui/Layer.h"
#include "gui/Message.h"
#include "gui/ScreenImpl.h"

#include <GL/gl.h>
#include <GL/glext.h>
#include <png.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int kFramesPerSecond = 60;
constexpr int kFadeFrames = 75;
constexpr double kScreenPixels = 800.0 * 600.0;
const char* const kPlayer = "Bench";

struct Options {
    std::string shots;
    int frames = 120;
    double seconds = 10.0;
    bool whole = false;
    std::vector<std::string> screens;
};

struct Figures {
    double screens = 0.0;
    double cores = 0.0;
    double framesPerSecond = 0.0;
    double load = 0.0;
};

double ProcessCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double LoadAverage()
{
    double load[1] = {0.0};
    return getloadavg(load, 1) == 1 ? load[0] : -1.0;
}

Widget* LayerWidget(const std::string& layer, const char* widget)
{
    Layer* found = GUI.getLayer(layer);
    return found ? found->getWidget(widget) : nullptr;
}

bool WritePng(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgba)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGBA;
    return png_image_write_to_file(&image, path.c_str(), 0, rgba.data(), width * 4, nullptr) != 0;
}

// The screen drawn as the frame draws it, rows from the top.
void SaveScreen(const std::string& path)
{
    GameFrameServices frame;
    frame.BeginFrame();
    frame.DrawSplash();
    frame.DrawScreen(false);
    const int width = 800, height = 600;
    const std::vector<std::uint8_t> picture = g_renderDevice.Gl().ReadPicture(width, height);
    frame.EndFrame();
    if (!WritePng(path, width, height, picture))
        std::fprintf(stderr, "could not write %s\n", path.c_str());
}

// Fragments per frame, in screens, over the next frames.
double FragmentScreens(InProcessGame& game, int frames)
{
    GLuint query = 0;
    glGenQueries(1, &query);
    double total = 0.0;
    for (int i = 0; i < frames; ++i) {
        glBeginQuery(GL_SAMPLES_PASSED, query);
        game.Frames(1);
        glEndQuery(GL_SAMPLES_PASSED);
        GLuint samples = 0;
        glGetQueryObjectuiv(query, GL_QUERY_RESULT, &samples);
        total += static_cast<double>(samples);
    }
    glDeleteQueries(1, &query);
    return total / static_cast<double>(frames) / kScreenPixels;
}

// The CPU per wall second with the frames started every sixtieth of a second
// (a frame that ends late is followed at once), and the frames a second run.
double CoresAt60Hz(InProcessGame& game, double seconds, double& framesPerSecond)
{
    using Clock = std::chrono::steady_clock;
    const auto period = std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(1.0 / 60.0));
    const int frames = static_cast<int>(seconds * 60.0);
    const double cpuBefore = ProcessCpuSeconds();
    const auto start = Clock::now();
    auto next = start;
    for (int i = 0; i < frames; ++i) {
        game.Frames(1);
        next += period;
        std::this_thread::sleep_until(next);
    }
    const double wall = std::chrono::duration<double>(Clock::now() - start).count();
    framesPerSecond = static_cast<double>(frames) / wall;
    return (ProcessCpuSeconds() - cpuBefore) / wall;
}

class Tour {
public:
    Tour(InProcessGame& game, const Options& options) : _game(game), _options(options) {}

    bool Wanted(const std::string& screen) const
    {
        return _options.screens.empty() ||
               std::find(_options.screens.begin(), _options.screens.end(), screen) != _options.screens.end();
    }

    void Measure(const std::string& screen)
    {
        if (!_options.shots.empty())
            SaveScreen(_options.shots + "/" + screen + ".png");
        Figures figures;
        figures.screens = FragmentScreens(_game, _options.frames);
        figures.load = LoadAverage();
        if (_options.seconds > 0.0)
            figures.cores = CoresAt60Hz(_game, _options.seconds, figures.framesPerSecond);
        std::printf("%-12s %-16s %8.3f %8.3f %8.1f %8.2f\n", screen.c_str(), _game.TopLayer().c_str(),
                    figures.screens, figures.cores, figures.framesPerSecond, figures.load);
        std::fflush(stdout);
    }

    void Run()
    {
        std::printf("%-12s %-16s %8s %8s %8s %8s\n", "screen", "top layer", "screens", "cores", "fps", "load");
        // Past the splashes, as a player's clicks skip them.
        for (int frame = 0; frame < 30 * kFramesPerSecond && _game.TopLayer() != "MainMenu"; frame += 30) {
            CallScriptFunction("SkipSplash");
            _game.Frames(30);
        }
        _game.Frames(kFadeFrames);
        gameInfo.AddNewPlayer(kPlayer);
        Player& player = gameInfo.GetPlayer(kPlayer);
        player.viewHistory = true;
        player.firstMultIsShow = true;
        // A standing board: no tip boxes over it.
        player.ignoreShowHints = true;
        _game.Frames(3 * kFramesPerSecond);
        if (Wanted("menu"))
            Measure("menu");

        if (Wanted("map")) {
            CallScriptFunction("ShowMap");
            _game.Frames(kFadeFrames + 3 * kFramesPerSecond);
            Measure("map");
        }
        if (Wanted("shield")) {
            CallScriptFunction("ShowShieldFromMap");
            _game.Frames(kFadeFrames + 3 * kFramesPerSecond);
            Measure("shield");
        }
        if (Wanted("gallery")) {
            CallScriptFunction("ShowGallery");
            _game.Frames(kFadeFrames + 3 * kFramesPerSecond);
            Measure("gallery");
        }
        for (int country = 1; country <= 7; ++country) {
            const std::string screen = "level" + std::to_string(country);
            const bool statistics = country == 1 && Wanted("statistics");
            if (!Wanted(screen) && !statistics)
                continue;
            StartLevel(country);
            if (Wanted(screen))
                Measure(screen);
            if (statistics)
                Statistics();
        }
    }

private:
    void StartLevel(int country)
    {
        const std::string stage = "StageLayer_" + std::to_string(country);
        // Until the country's board is up (a fade still running refuses it).
        for (int attempt = 0; attempt < 3 && _game.TopLayer() != stage; ++attempt) {
            Player& player = gameInfo.GetPlayer(kPlayer);
            player.stage = player.maxStage = country;
            player.level = player.maxLevel = 1;
            CallScriptFunction("StartStageLevel");
            _game.Frames(kFadeFrames + 6 * kFramesPerSecond);
        }
        // A tip the level still opens is closed by a press beside it.
        auto* board = dynamic_cast<GameField*>(LayerWidget(stage, "GameField"));
        for (int second = 0; second < 4; ++second) {
            if (board && board->_isShowMessage)
                _game.Press(20, 20);
            _game.Frames(kFramesPerSecond);
        }
    }

    void Statistics()
    {
        if (Widget* veil = LayerWidget("Fade", "Fade"))
            veil->SetColor(Color(0, 0, 0, 128));
        Screen.pushLayer(GUI.getLayer("Fade"));
        Screen.pushLayer(GUI.getLayer("Statistics"));
        if (auto* page = dynamic_cast<GameStatistics*>(LayerWidget("Statistics", "GameStatistics")))
            page->AcceptMessage(Message("Start"));
        _game.Frames(3 * kFramesPerSecond);
        Measure("statistics");
        Screen.popLayer();
        Screen.popLayer();
        _game.Frames(2);
    }

    InProcessGame& _game;
    const Options& _options;
};

} // namespace

int main(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--shots" && i + 1 < argc)
            options.shots = argv[++i];
        else if (arg == "--frames" && i + 1 < argc)
            options.frames = std::max(1, std::atoi(argv[++i]));
        else if (arg == "--whole")
            options.whole = true;
        else if (arg == "--seconds" && i + 1 < argc)
            options.seconds = std::atof(argv[++i]);
        else
            options.screens.push_back(arg);
    }
    if (!options.shots.empty()) {
        options.shots = std::filesystem::absolute(options.shots).string();
        std::filesystem::create_directories(options.shots);
    }
    FixClockSeed(7);
    SeedRandom(7);
    InProcessGame game(VELMORA_GAME_DIR);
    if (!game.Start()) {
        std::fprintf(stderr, "the game did not start\n");
        return 1;
    }
    g_renderDevice.SetFillSaving(!options.whole);
    Tour(game, options).Run();
    game.Shutdown();
    return 0;
}
