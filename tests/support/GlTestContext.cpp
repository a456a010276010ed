#include "tests/support/GlTestContext.h"

#include "engine/render/ImageBuffers.h"
#include "engine/render/RenderDevice.h"
#include "engine/render/Texture.h"

#include <cstring>
#include <filesystem>
#include <fstream>

namespace testing_support {

namespace {

// Taken before any test changes the current folder.
const std::string g_startFolder = std::filesystem::current_path().string();

} // namespace

Rgb At(int x, int y)
{
    const auto p = g_renderDevice.Gl().ReadPixels(x, y, 1, 1);
    return {p[0], p[1], p[2]};
}

void ExpectAt(int x, int y, const Rgb& expected, int tolerance)
{
    const Rgb actual = At(x, y);
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(actual[i], expected[i], tolerance)
            << "pixel (" << x << ", " << y << ") channel " << i << ": got " << actual[0] << "," << actual[1] << ","
            << actual[2];
}

void UploadTexture(Texture& texture, int w, int h, const std::vector<std::uint32_t>& argb, bool alpha)
{
    std::memcpy(g_pixelBuffer, argb.data(), argb.size() * 4);
    texture.image.width = w;
    texture.image.height = h;
    texture.image.bytesPerPixel = 4;
    texture.image.hasAlpha = alpha;
    texture.Upload(true);
}

void SaveScreenPicture(const std::string& path)
{
    const auto pixels = g_renderDevice.Gl().ReadPixels(0, 0, 800, 600);
    std::ofstream out(path, std::ios::binary);
    out << "P6\n800 600\n255\n";
    for (int y = 599; y >= 0; --y)
        for (int x = 0; x < 800; ++x)
            out.write(reinterpret_cast<const char*>(&pixels[(y * 800 + x) * 4]), 3);
}

std::string TestPicturePath(const std::string& suffix)
{
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return g_startFolder + "/" + info->name() + suffix + ".ppm";
}

::testing::AssertionResult GlTestContext::Open(const char* title, bool begin2D)
{
    backend::WindowDesc desc;
    desc.title = title;
    if (!_window.Create(desc))
        return ::testing::AssertionFailure() << "no window: " << SDL_GetError();
    AllocateImageBuffers();
    g_renderDevice.Init(_window);
    if (begin2D) {
        g_renderDevice.BeginFrame();
        g_renderDevice.Begin2D();
        _in2D = true;
    }
    return ::testing::AssertionSuccess();
}

void GlTestContext::Close()
{
    if (!_window.IsOpen())
        return;
    if (::testing::Test::HasFailure())
        SaveScreenPicture(TestPicturePath());
    if (_in2D)
        g_renderDevice.End2D();
    _in2D = false;
    g_renderDevice.Release();
    _window.Destroy();
}

} // namespace testing_support
