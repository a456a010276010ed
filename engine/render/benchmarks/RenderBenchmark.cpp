// Quads per second at 800 x 600: the engine's quad routines (bind, colour,
// DrawRect per quad, as drawing code does it) against the same quads sent by
// one glDrawArrays from a prepared array. Both clear colour and depth the
// same way each frame. On Mesa's llvmpipe, LP_NUM_THREADS=0 draws on the
// calling thread, which gives figures that other load on the machine does
// not disturb.

#include "engine/backend/Window.h"
#include "engine/platform/Settings.h"
#include "engine/render/ImageBuffers.h"
#include "engine/render/RenderDevice.h"
#include "engine/render/Texture.h"

#include <benchmark/benchmark.h>

#include <GL/gl.h>

#include <cstring>
#include <vector>

namespace {

constexpr int kQuadSize = 16;

struct GlSetup {
    backend::Window window;
    Texture texture;
    bool ok = false;

    GlSetup()
    {
        backend::WindowDesc desc;
        desc.title = "benchmark";
        if (!window.Create(desc))
            return;
        SDL_GL_SetSwapInterval(0);
        AllocateImageBuffers();
        g_renderDevice.Init(window);
        // A 16 x 16 half-transparent texture, so blending works as in the game.
        std::vector<std::uint32_t> pixels(16 * 16, 0x80FFFFFFu);
        std::memcpy(g_pixelBuffer, pixels.data(), pixels.size() * 4);
        texture.image.width = texture.image.height = 16;
        texture.image.bytesPerPixel = 4;
        texture.image.hasAlpha = true;
        texture.Upload(false);
        ok = texture.deviceTexture != 0;
    }
};

GlSetup& Setup()
{
    static GlSetup setup;
    return setup;
}

// Quad i's bottom-left corner, spread over the screen.
void Place(int i, int& x, int& y)
{
    x = (i * 37) % (800 - kQuadSize);
    y = (i * 53) % (600 - kQuadSize);
}

void BM_EngineQuads(benchmark::State& state)
{
    GlSetup& gl = Setup();
    if (!gl.ok) {
        state.SkipWithError("no GL context");
        return;
    }
    const int quads = static_cast<int>(state.range(0));
    for (auto _ : state) {
        g_renderDevice.BeginFrame();
        g_renderDevice.Begin2D();
        for (int i = 0; i < quads; ++i) {
            int x, y;
            Place(i, x, y);
            gl.texture.Bind();
            g_renderDevice.SetColor(Color(255, static_cast<std::uint8_t>(i), 128, 255));
            g_renderDevice.DrawRect(x, y, kQuadSize, kQuadSize);
        }
        g_renderDevice.ResetColor();
        g_renderDevice.End2D();
        g_renderDevice.EndFrame();
        glFinish();
    }
    state.SetItemsProcessed(state.iterations() * quads);
}

void BM_OneDrawArrays(benchmark::State& state)
{
    GlSetup& gl = Setup();
    if (!gl.ok) {
        state.SkipWithError("no GL context");
        return;
    }
    const int quads = static_cast<int>(state.range(0));
    std::vector<Vertex> vertices;
    vertices.reserve(quads * 6);
    for (int i = 0; i < quads; ++i) {
        int xi, yi;
        Place(i, xi, yi);
        const float x = static_cast<float>(xi), y = static_cast<float>(yi), s = kQuadSize;
        const std::uint32_t c = 0xFFFF0080u | (static_cast<std::uint32_t>(i & 0xFF) << 8);
        const Vertex v[4] = {{x, y, 0, c, 0, 0}, {x + s, y, 0, c, 1, 0}, {x, y + s, 0, c, 0, 1}, {x + s, y + s, 0, c, 1, 1}};
        for (int k : {0, 1, 2, 2, 1, 3})
            vertices.push_back(v[k]);
    }
    // The engine's own states and 2D view once, then GL directly.
    g_renderDevice.BeginFrame();
    g_renderDevice.Begin2D();
    gl.texture.Bind();
    g_renderDevice.DrawRect(0, 0, 0, 0);
    g_renderDevice.EndFrame();
    // The engine's array pointers come back afterwards.
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glVertexPointer(3, GL_FLOAT, sizeof(Vertex), &vertices[0].x);
    glColorPointer(GL_BGRA, GL_UNSIGNED_BYTE, sizeof(Vertex), &vertices[0].diffuse);
    glTexCoordPointer(2, GL_FLOAT, sizeof(Vertex), &vertices[0].u);
    for (auto _ : state) {
        g_renderDevice.BeginFrame(); // the same clear of colour and depth
        glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(vertices.size()));
        glFinish();
    }
    glPopClientAttrib();
    g_renderDevice.End2D();
    state.SetItemsProcessed(state.iterations() * quads);
}

} // namespace

// The GL driver draws on threads of its own: wall-clock time is what counts.
BENCHMARK(BM_EngineQuads)->Arg(500)->Arg(2000)->Arg(10000)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_OneDrawArrays)->Arg(500)->Arg(2000)->Arg(10000)->Unit(benchmark::kMicrosecond)->UseRealTime();
