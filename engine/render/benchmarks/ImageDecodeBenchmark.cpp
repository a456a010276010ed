// Images decoded per second through the engine's loader (file read, reader
// choice, conversion to bottom-up BGRA in the pixel buffer) against the bare
// library decode of the same bytes from memory.

#include "ImageFixtures.h"

#include "engine/platform/Settings.h"
#include "engine/render/ImageBuffers.h"
#include "engine/render/ImageData.h"

#include <benchmark/benchmark.h>

#include <jpeglib.h>
#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kSize = 256;

struct Files {
    std::string folder;
    std::string tga, tgaRle, jpeg, png;

    Files()
    {
        char pattern[] = "/tmp/velmora-bench-XXXXXX";
        folder = mkdtemp(pattern);
        const auto rgb = fixtures::GradientRgb(kSize, kSize);
        std::vector<std::uint8_t> bgra;
        for (std::size_t i = 0; i < rgb.size(); i += 3)
            bgra.insert(bgra.end(), {rgb[i + 2], rgb[i + 1], rgb[i], 255});
        // Runs for the packed TGA: flat bands.
        std::vector<std::uint8_t> bands(bgra.size());
        for (std::size_t i = 0; i < bands.size(); i += 4) {
            const std::uint8_t v = static_cast<std::uint8_t>((i / 4 / 32) * 40);
            bands[i] = bands[i + 1] = bands[i + 2] = v;
            bands[i + 3] = 255;
        }
        tga = fixtures::MakeTga(kSize, kSize, 2, 32, bgra);
        tgaRle = fixtures::MakeTga(kSize, kSize, 10, 32, bands);
        jpeg = fixtures::MakeJpeg(kSize, kSize, 3, rgb, 90);
        fixtures::PngSpec layout;
        layout.width = layout.height = kSize;
        layout.colorType = PNG_COLOR_TYPE_RGB;
        layout.rows = rgb;
        png = fixtures::MakePng(layout);
        Write("pic.tga", tga);
        Write("rle.tga", tgaRle);
        Write("pic.jpg", jpeg);
        Write("pic.png", png);
        AllocateImageBuffers();
        g_settings.useJpegPairs = false;
        g_settings.loadPngImages = false;
    }
    ~Files()
    {
        for (const char* name : {"pic.tga", "rle.tga", "pic.jpg", "pic.png"})
            std::remove((folder + "/" + name).c_str());
        rmdir(folder.c_str());
    }
    void Write(const std::string& name, const std::string& bytes)
    {
        std::ofstream(folder + "/" + name, std::ios::binary) << bytes;
    }
};

Files& TheFiles()
{
    static Files files;
    return files;
}

void EngineLoad(benchmark::State& state, const char* name)
{
    Files& files = TheFiles();
    const std::string path = files.folder + "/" + name;
    for (auto _ : state) {
        ImageData image;
        image.Load(path);
        if (image.IsEmpty()) {
            state.SkipWithError("load failed");
            return;
        }
        benchmark::DoNotOptimize(g_pixelBuffer[0]);
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_EngineTga(benchmark::State& state) { EngineLoad(state, "pic.tga"); }
void BM_EngineTgaRle(benchmark::State& state) { EngineLoad(state, "rle.tga"); }
void BM_EngineJpeg(benchmark::State& state) { EngineLoad(state, "pic.jpg"); }
void BM_EnginePng(benchmark::State& state) { EngineLoad(state, "pic.png"); }

// TGA has no library: the floor is copying its pixel bytes.
void BM_BareTgaCopy(benchmark::State& state)
{
    const std::string& bytes = TheFiles().tga;
    std::vector<unsigned char> out(kSize * kSize * 4);
    for (auto _ : state) {
        std::memcpy(out.data(), bytes.data() + 18, out.size());
        benchmark::DoNotOptimize(out[0]);
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_BareJpeg(benchmark::State& state)
{
    const std::string& bytes = TheFiles().jpeg;
    std::vector<unsigned char> out(kSize * kSize * 3);
    for (auto _ : state) {
        jpeg_decompress_struct info;
        jpeg_error_mgr errors;
        info.err = jpeg_std_error(&errors);
        jpeg_create_decompress(&info);
        jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
        jpeg_read_header(&info, TRUE);
        jpeg_start_decompress(&info);
        while (info.output_scanline < info.output_height) {
            JSAMPROW row = out.data() + info.output_scanline * kSize * 3;
            jpeg_read_scanlines(&info, &row, 1);
        }
        jpeg_finish_decompress(&info);
        jpeg_destroy_decompress(&info);
        benchmark::DoNotOptimize(out[0]);
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_BarePng(benchmark::State& state)
{
    const std::string& bytes = TheFiles().png;
    std::vector<unsigned char> out(kSize * kSize * 4);
    for (auto _ : state) {
        png_image image;
        std::memset(&image, 0, sizeof image);
        image.version = PNG_IMAGE_VERSION;
        png_image_begin_read_from_memory(&image, bytes.data(), bytes.size());
        image.format = PNG_FORMAT_BGRA;
        png_image_finish_read(&image, nullptr, out.data(), 0, nullptr);
        benchmark::DoNotOptimize(out[0]);
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK(BM_EngineTga)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EngineTgaRle)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BareTgaCopy)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EngineJpeg)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BareJpeg)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EnginePng)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BarePng)->Unit(benchmark::kMicrosecond);
