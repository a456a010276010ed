// Text layout and measuring in a font of the full 32-255 range: one pass
// over the bytes with table look-ups, for a typical line of a widget.

#include "engine/render/Font.h"
#include "engine/render/RenderDevice.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

void AddBenchmarkFont()
{
    if (g_renderDevice.FindFont("bench"))
        return;
    auto font = std::make_unique<Font>("", 1.0f); // no files: filled here
    font->name = "bench";
    font->height = 28;
    font->xOffset = 2;
    font->imageWidth = 512;
    font->imageHeight = 256;
    font->track = 2.0f;
    for (int code = 33; code < 256; ++code) {
        Glyph g;
        g.code = code;
        g.A = 1;
        g.B = 10 + code % 7;
        g.C = 1;
        g.x = (code * 14) % 512;
        g.y = 22 + 28 * (code / 36);
        g.cellWidth = g.B + 4;
        font->glyphs.push_back(g);
    }
    g_renderDevice.AddFont(std::move(font));
}

const std::string kLine = "The quick brown fox jumps over the lazy dog, 1234567890 times!";

void BM_LayoutText(benchmark::State& state)
{
    AddBenchmarkFont();
    g_renderDevice.SelectFont("bench");
    for (auto _ : state) {
        g_renderDevice.LayoutText(kLine);
        benchmark::DoNotOptimize(g_renderDevice.LaidOutWidth());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long long>(kLine.size()));
}
BENCHMARK(BM_LayoutText);

void BM_TextWidth(benchmark::State& state)
{
    AddBenchmarkFont();
    g_renderDevice.SelectFont("bench");
    for (auto _ : state)
        benchmark::DoNotOptimize(g_renderDevice.TextWidth(kLine));
    state.SetItemsProcessed(state.iterations() * static_cast<long long>(kLine.size()));
}
BENCHMARK(BM_TextWidth);

} // namespace
