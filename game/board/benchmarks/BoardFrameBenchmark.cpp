// What one frame of a level costs the processor: the board's controllers
// (the chips falling in, the observer) advanced by a sixtieth of a second and
// the whole board screen drawn, on boards of 8 x 8 and 10 x 10 cells whose
// chips keep raining in. The pictures and fonts are the game folder's; the
// drawing goes to the machine's GL (a software renderer when headless) and
// each frame is finished before the next.

#include "engine/backend/Window.h"
#include "engine/render/ImageBuffers.h"
#include "engine/render/RenderDevice.h"
#include "engine/resources/ResourceManager.h"
#include "engine/util/Random.h"
#include "game/board/GameField.h"
#include "gui/controllers/ControllerManager.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <unistd.h>

namespace {

constexpr float kStep = 1.0f / 60.0f;
// The chips rain in again after this many frames.
constexpr int kFramesPerRain = 150;

// The device on a hidden window, and the board screen's resources, once.
bool OpenOnce()
{
    static backend::Window window;
    static bool open = false;
    if (open)
        return true;
    if (chdir(VELMORA_GAME_DIR "/data") != 0)
        return false;
    backend::WindowDesc desc;
    desc.title = "board benchmark";
    if (!window.Create(desc))
        return false;
    AllocateImageBuffers();
    g_renderDevice.Init(window);
    g_resourceManager.LoadResources("resources.xml");
    g_resourceManager.UploadGroup("StageLayer_1");
    open = true;
    return true;
}

void Rain(GameField& board)
{
    board.DeleteAllSquares();
    board.FillBoard();
    board.DropInSquares(0.0f);
}

void BM_BoardUpdateAndDraw(benchmark::State& state)
{
    if (!OpenOnce()) {
        state.SkipWithError("no GL window");
        return;
    }
    SeedRandom(1);
    auto board = std::make_unique<GameField>("BenchField", nullptr);
    const int side = static_cast<int>(state.range(0));
    board->_width = board->_height = side;
    for (int x = 0; x < side; ++x)
        for (int y = 0; y < side; ++y)
            board->_levelGrid.Set(x, y, 1);
    board->_chipCount = 5;
    for (int i = 0; i < 5; ++i)
        board->_chips[i] = i;
    board->_levelLoaded = true;
    board->_levelTime = 100.0f;
    board->_timerVisible = true;
    board->_shownLives = 3;
    board->SetOrigin((526 - side * 40) / 2 + 274, 300 - side * 20);
    board->BuildBoardFrame();
    for (FramePiece& piece : board->_framePieces)
        piece.alpha = 255;
    Rain(*board);
    int frame = 0;
    for (auto _ : state) {
        g_renderDevice.BeginFrame();
        g_renderDevice.Begin2D();
        kernel.FlushPending();
        kernel.Update(kStep);
        board->Draw();
        g_renderDevice.End2D();
        g_renderDevice.EndFrame();
        // The frame finished by the renderer, as the display's swap would.
        benchmark::DoNotOptimize(g_renderDevice.Gl().ReadPixels(400, 300, 1, 1));
        if (++frame % kFramesPerRain == 0) {
            state.PauseTiming();
            Rain(*board);
            state.ResumeTiming();
        }
    }
    state.counters["squares"] = static_cast<double>(board->_squares.size());
    state.counters["frame pieces"] = static_cast<double>(board->_framePieces.size());
    board.reset();
    kernel.FlushPending();
    kernel.Update(0.0f);
}
// The software renderer draws on threads of its own: their time counts too.
BENCHMARK(BM_BoardUpdateAndDraw)->Arg(8)->Arg(10)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

} // namespace
