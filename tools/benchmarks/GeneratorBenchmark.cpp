// The whole picture set and sound set made in memory, as the build makes
// them (the goal: both well under ten seconds on two cores, optimised).

#include "tools/artgen/PictureTable.h"
#include "tools/soundgen/SoundTable.h"

#include <benchmark/benchmark.h>

#include <string>

static void BM_DrawGamePictures(benchmark::State& state)
{
    TitleLetterer serif(std::string(VELMORA_FACE_DIR) + "/DejaVuSerif.ttf");
    TitleLetterer serifBold(std::string(VELMORA_FACE_DIR) + "/DejaVuSerif-Bold.ttf");
    ArtFaces faces{serif, serifBold};
    for (auto _ : state)
        for (const PictureRecipe& recipe : GamePictures()) {
            Canvas canvas(recipe.width, recipe.height);
            recipe.draw(canvas, faces);
            benchmark::DoNotOptimize(canvas.At(0, 0));
        }
}
BENCHMARK(BM_DrawGamePictures)->Unit(benchmark::kMillisecond)->Iterations(1);

static void BM_SynthesiseGameSounds(benchmark::State& state)
{
    for (auto _ : state)
        for (const SoundRecipe& recipe : GameSounds()) {
            const SampleBuffer buffer = recipe.make();
            benchmark::DoNotOptimize(buffer.Peak());
        }
}
BENCHMARK(BM_SynthesiseGameSounds)->Unit(benchmark::kMillisecond)->Iterations(1);
