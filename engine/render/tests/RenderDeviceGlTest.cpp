// Drawing into a real GL context (the offscreen driver) and reading the
// pixels back. A failing test leaves its picture as <test>.ppm in the
// folder the test ran in.

#include "app/GameFrameServices.h"
#include "ImageFixtures.h"

#include "engine/platform/Application.h"
#include "engine/platform/FrameServices.h"
#include "engine/platform/Settings.h"
#include "engine/render/BigTexture.h"
#include "engine/render/DrawRoutines.h"
#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "engine/render/SpriteAnimation.h"
#include "engine/render/VertexBatch.h"
#include "tests/support/GlTestContext.h"
#include "tests/support/ScopedLogFile.h"
#include "tests/support/TestEnvironment.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>


using namespace testing_support;

namespace {

class RenderDeviceGlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_settings.useJpegPairs = false;
        ASSERT_TRUE(_gl.Open("render test"));
    }

    void TearDown() override
    {
        SetPicturesPaddedToPowerOfTwo(false);
        _gl.Close();
    }

    // A texture of w x h from BGRA pixels, bottom row first.
    static void MakeTexture(Texture& texture, int w, int h, const std::vector<std::uint32_t>& argb, bool alpha = true)
    {
        UploadTexture(texture, w, h, argb, alpha);
        ASSERT_NE(texture.deviceTexture, 0u);
    }

    // Bottom-left red, bottom-right green, top-left blue, top-right white.
    static void MakeCornerTexture(Texture& texture)
    {
        MakeTexture(texture, 2, 2, {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFFFFFFFFu});
    }

    GlTestContext _gl;
};

} // namespace

TEST_F(RenderDeviceGlTest, ColouredQuadLandsWhereThe2DViewPutsIt)
{
    ExpectAt(400, 300, kBackground);
    g_renderDevice.EnableTexture(false);
    g_renderDevice.SetColor(Color(255, 0, 0, 255));
    g_renderDevice.DrawRect(100, 50, 40, 30);
    g_renderDevice.ResetColor();
    ExpectAt(100, 50, {255, 0, 0});
    ExpectAt(139, 79, {255, 0, 0});
    ExpectAt(99, 50, kBackground);
    ExpectAt(140, 50, kBackground);
    ExpectAt(100, 49, kBackground);
    ExpectAt(100, 80, kBackground);
}

TEST_F(RenderDeviceGlTest, PicturesAreUprightAndPaddedSpritesFillTheBottomLeft)
{
    Texture texture;
    MakeCornerTexture(texture);
    texture.Bind();
    g_renderDevice.DrawRect(200, 200, 20, 20);
    ExpectAt(205, 205, {255, 0, 0});
    ExpectAt(215, 205, {0, 255, 0});
    ExpectAt(205, 215, {0, 0, 255});
    ExpectAt(215, 215, {255, 255, 255});

    // One texel per pixel: every pixel shows its own texel, none its neighbour's.
    std::vector<std::uint32_t> checker(16);
    for (int i = 0; i < 16; ++i)
        checker[i] = 0xFF000000u | static_cast<std::uint32_t>(i * 16);
    Texture exact;
    MakeTexture(exact, 4, 4, checker);
    exact.Bind();
    g_renderDevice.DrawRect(50, 60, 4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            ExpectAt(50 + x, 60 + y, {0, 0, (y * 4 + x) * 16}, 0);

    // A 3 x 3 picture in a 4 x 4 texture: the used part drawn over 30 x 30.
    std::vector<std::uint32_t> pixels(16, 0x00000000u);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            pixels[y * 4 + x] = 0xFF00FF00u;
    Texture padded;
    MakeTexture(padded, 4, 4, pixels);
    padded.Bind();
    g_renderDevice.DrawRectPartial(400, 100, 30, 30, 0.75f, 0.75f);
    ExpectAt(401, 101, {0, 255, 0});
    ExpectAt(428, 128, {0, 255, 0});
}

TEST_F(RenderDeviceGlTest, AJpegSpriteHasTransparentPadding)
{
    // Where textures must be powers of two, a 6 x 5 JPEG pads to 8 x 8:
    // drawn whole, the padding shows the screen beneath it rather than black
    // bands.
    SetPicturesPaddedToPowerOfTwo(true);
    TempDir dir;
    std::vector<std::uint8_t> rgb;
    for (int i = 0; i < 6 * 5; ++i)
        rgb.insert(rgb.end(), {220, 30, 30});
    const std::string file = dir.File("picture.jpg");
    WriteTextFile(file, fixtures::MakeJpeg(6, 5, 3, rgb));
    const struct {
        const char* how;
        bool byConstructor;
    } cases[] = {{"Sprite(name)", true}, {"Sprite::Load", false}};
    int x = 100;
    for (const auto& c : cases) {
        std::unique_ptr<Sprite> sprite = c.byConstructor ? std::make_unique<Sprite>(file) : std::make_unique<Sprite>();
        if (!c.byConstructor)
            sprite->Load(file);
        EXPECT_TRUE(sprite->image.hasAlpha) << c.how;
        ASSERT_EQ(sprite->textureWidth, 8) << c.how;
        ASSERT_EQ(sprite->textureHeight, 8) << c.how;
        sprite->Upload(true);
        sprite->Bind();
        // Each texel 4 x 4 pixels.
        g_renderDevice.DrawRect(x, 100, 32, 32);
        ExpectAt(x + 2, 102, {220, 30, 30}, 8);
        ExpectAt(x + 22, 118, {220, 30, 30}, 8);
        ExpectAt(x + 29, 102, kBackground);  // right of the picture
        ExpectAt(x + 2, 125, kBackground);   // above it
        ExpectAt(x + 29, 125, kBackground);
        sprite->Release();
        x += 100;
    }
}

TEST_F(RenderDeviceGlTest, AnAnimationStillDrawsAfterItsCopiesAreGone)
{
    // A sheet of two 8 x 8 frames, red then green, that the animation owns.
    std::vector<std::uint32_t> pixels(16 * 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x)
            pixels[y * 16 + x] = x < 8 ? 0xFFFF0000u : 0xFF00FF00u;
    auto sheet = std::make_unique<Sprite>();
    MakeTexture(*sheet, 16, 8, pixels);
    sheet->imageWidth = sheet->textureWidth = 16;
    sheet->imageHeight = sheet->textureHeight = 8;
    const unsigned deviceTexture = sheet->deviceTexture;
    SpriteAnimation animation;
    animation.SetOwnSheet(std::move(sheet));
    animation.frameWidth = animation.frameHeight = 8;
    animation.frameCount = 2;
    animation.SetLastFrame(1);
    animation.ComputeFrameSize();
    animation.SetFrame(0);

    {
        SpriteAnimation copy(animation);
        copy.SetFrame(1);
        copy.BindTexture();
        copy.Draw(Point(120, 40));
        SpriteAnimation assigned;
        assigned = copy;
    }
    EXPECT_EQ(animation.sprite->deviceTexture, deviceTexture);
    animation.BindTexture();
    animation.Draw(Point(100, 40));
    ExpectAt(104, 44, {255, 0, 0});
    ExpectAt(124, 44, {0, 255, 0});
    animation.ReleaseOwnSheet();
}

TEST_F(RenderDeviceGlTest, AlphaOnlyBindTakesColourFromTheVertex)
{
    Texture texture;
    MakeTexture(texture, 1, 1, {0x800000FFu}); // blue, half transparent
    g_renderDevice.SetColor(Color(255, 255, 0, 255));
    texture.BindAlphaOnly();
    g_renderDevice.DrawRect(10, 10, 10, 10);
    texture.Bind();
    g_renderDevice.DrawRect(30, 10, 10, 10);
    g_renderDevice.ResetColor();
    // Yellow at alpha 128 over the background; normal blending from the first frame on.
    ExpectAt(15, 15, {157, 157, 30});
    // The normal bind: blue x yellow is black.
    ExpectAt(35, 15, {30, 30, 30});
}

TEST_F(RenderDeviceGlTest, AdditiveQuadAddsAndModeZeroRestores)
{
    g_renderDevice.EnableTexture(false);
    g_renderDevice.SetColor(Color(100, 50, 0, 255));
    g_renderDevice.SetBlendMode(2);
    g_renderDevice.DrawRect(10, 10, 10, 10);
    g_renderDevice.SetBlendMode(3); // changes nothing
    g_renderDevice.DrawRect(30, 10, 10, 10);
    g_renderDevice.SetBlendMode(0);
    g_renderDevice.SetColor(Color(100, 50, 0, 128));
    g_renderDevice.DrawRect(50, 10, 10, 10);
    g_renderDevice.ResetColor();
    ExpectAt(15, 15, {160, 110, 60});
    ExpectAt(35, 15, {160, 110, 60});
    ExpectAt(55, 15, {80, 55, 30});
}

TEST_F(RenderDeviceGlTest, TextureMatrixScrollsAndWraps)
{
    Texture texture;
    MakeTexture(texture, 4, 1, {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFFFFFFFFu});
    texture.Bind();
    g_renderDevice.SetMatrixMode(RenderDevice::kTexture);
    g_renderDevice.Translate(Vector3(0.25f, 0.0f, 0.0f));
    g_renderDevice.SetMatrixMode(RenderDevice::kWorld);
    g_renderDevice.DrawRect(0, 0, 40, 10);
    g_renderDevice.SetMatrixMode(RenderDevice::kTexture);
    g_renderDevice.LoadIdentity();
    g_renderDevice.SetMatrixMode(RenderDevice::kWorld);
    g_renderDevice.DrawRect(0, 20, 40, 10);
    ExpectAt(5, 5, {0, 255, 0});
    ExpectAt(25, 5, {255, 255, 255});
    ExpectAt(35, 5, {255, 0, 0}); // wrapped round
    ExpectAt(5, 25, {255, 0, 0}); // identity again
}

TEST_F(RenderDeviceGlTest, EachTextureSamplesByItsOwnAddressMode)
{
    // Red, green, blue, white across; u from -1 to 2 shows the texture three
    // times over 120 points.
    const std::vector<std::uint32_t> strip = {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFFFFFFFFu};
    struct Case {
        int mode;
        GLint gl;
        Rgb left;  // u just below 0
        Rgb right; // u just above 1
    };
    const Case cases[] = {
        {1, GL_REPEAT, {255, 255, 255}, {255, 0, 0}},
        {2, GL_MIRRORED_REPEAT, {255, 0, 0}, {255, 255, 255}},
        {3, GL_CLAMP_TO_EDGE, {255, 0, 0}, {255, 255, 255}},
    };
    Texture other;
    MakeTexture(other, 4, 1, strip);
    int row = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        Texture texture;
        MakeTexture(texture, 4, 1, strip);
        ASSERT_TRUE(texture.SetAddressMode(c.mode));
        texture.Bind();
        GLint wrapS = 0, wrapT = 0;
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &wrapS);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, &wrapT);
        EXPECT_EQ(wrapS, c.gl);
        EXPECT_EQ(wrapT, c.gl);
        g_renderDevice.DrawRectUV(Rect(0, row, 120, 10), -1.0f, 2.0f, 0.0f, 1.0f);
        ExpectAt(35, row + 5, c.left);
        ExpectAt(45, row + 5, {255, 0, 0});
        ExpectAt(75, row + 5, {255, 255, 255});
        ExpectAt(85, row + 5, c.right);
        // Another texture keeps the default (wrap) and binding it in between
        // does not carry the mode over.
        other.Bind();
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &wrapS);
        EXPECT_EQ(wrapS, GL_REPEAT);
        row += 20;
    }
    // A number of no mode is refused and logged; the mode stays.
    ScopedLogFile log;
    Texture texture;
    EXPECT_TRUE(texture.SetAddressMode(2));
    EXPECT_FALSE(texture.SetAddressMode(4));
    EXPECT_FALSE(texture.SetAddressMode(0));
    EXPECT_EQ(texture.addressMode, backend::TextureAddress::Mirror);
    EXPECT_NE(log.Text().find("The address mode 4 is none of"), std::string::npos);
}

TEST_F(RenderDeviceGlTest, ScrollingBandRepeatsItsTexture)
{
    Texture texture;
    MakeTexture(texture, 2, 1, {0xFFFF0000u, 0xFF0000FFu});
    texture.Bind();
    g_renderDevice.PushMatrix();
    g_renderDevice.Translate(Vector3(0.0f, 100.0f, 0.0f));
    DrawScrollingBand(0.0f, 1.0f, 2.0f, 10.0f); // u' = 2u: red, blue, red, blue
    g_renderDevice.PopMatrix();
    ExpectAt(50, 100, {255, 0, 0});
    ExpectAt(150, 100, {0, 0, 255});
    ExpectAt(250, 100, {255, 0, 0});
    ExpectAt(350, 100, {0, 0, 255});
    ExpectAt(50, 115, kBackground);
    EXPECT_EQ(g_renderDevice.GetTransform(RenderDevice::kTexture), Matrix4());
}

TEST_F(RenderDeviceGlTest, ViewportPaneHasItsOwnOriginAndClips)
{
    g_renderDevice.EnableTexture(false);
    g_renderDevice.SetColor(Color(0, 255, 0, 255));
    // y counted from the top: the pane covers GL rows 400..499.
    g_renderDevice.BeginViewport2D(100, 100, 200, 100);
    g_renderDevice.DrawRect(0, 0, 10, 10);
    g_renderDevice.DrawRect(195, 90, 40, 40); // partly outside the pane
    g_renderDevice.End2D();
    g_renderDevice.SetFullViewport();
    g_renderDevice.DrawRect(0, 0, 5, 5); // full screen again
    g_renderDevice.ResetColor();
    ExpectAt(100, 400, {0, 255, 0});
    ExpectAt(109, 409, {0, 255, 0});
    ExpectAt(110, 400, kBackground);
    ExpectAt(299, 499, {0, 255, 0});
    ExpectAt(300, 499, kBackground);
    ExpectAt(299, 500, kBackground);
    ExpectAt(2, 2, {0, 255, 0});
}

TEST_F(RenderDeviceGlTest, OrientedQuadTurnsTheTextureAndSwapsItsExtent)
{
    Texture texture;
    MakeCornerTexture(texture);
    texture.Bind();
    g_renderDevice.DrawRectOriented(Rect(300, 300, 40, 10), 1); // 10 wide, 40 tall
    ExpectAt(302, 305, {0, 255, 0});
    ExpectAt(302, 335, {255, 0, 0});
    ExpectAt(307, 305, {255, 255, 255});
    ExpectAt(307, 335, {0, 0, 255});
    ExpectAt(315, 305, kBackground);
    ExpectAt(305, 341, kBackground);

    g_renderDevice.DrawRectOriented(Rect(400, 300, 40, 10), 2); // half a turn
    ExpectAt(405, 302, {255, 255, 255});
    ExpectAt(435, 307, {255, 0, 0});

    g_renderDevice.DrawRectUVOriented(Rect(500, 300, 40, 10), 0, 1, 0, 1, 4);
    g_renderDevice.DrawRectUVOriented(Rect(500, 300, 40, 10), 0, 1, 0, 1, -1);
    ExpectAt(505, 305, kBackground);
}

TEST_F(RenderDeviceGlTest, RotatedAndColouredQuads)
{
    g_renderDevice.EnableTexture(false);
    g_renderDevice.PushMatrix();
    g_renderDevice.Translate(Vector3(200.0f, 200.0f, 0.0f));
    g_renderDevice.Rotate(Vector3(0, 0, 1), 90.0f); // x axis now points up
    g_renderDevice.DrawRect(0, 0, 40, 10);         // lies over x -10..0, y 0..40
    g_renderDevice.PopMatrix();
    ExpectAt(195, 230, {255, 255, 255});
    ExpectAt(205, 230, kBackground);

    const Color red(255, 0, 0, 255), blue(0, 0, 255, 255);
    g_renderDevice.DrawQuadColored(Vector3(400, 400, 0), Vector3(440, 400, 0), Vector3(400, 440, 0),
                                   Vector3(440, 440, 0), red, red, blue, blue, 0, 1, 0, 1);
    ExpectAt(420, 401, {250, 0, 5}, 8);
    ExpectAt(420, 438, {5, 0, 250}, 8);
}

TEST_F(RenderDeviceGlTest, QuadBatchAndDepthTestedStrip)
{
    g_renderDevice.EnableTexture(false);
    ASSERT_EQ(g_quadBatch.vertices.size(), 3000u);
    auto quad = [](Vertex* v, float x, float y, std::uint32_t colour) {
        const Vertex c[4] = {{x, y, 0, colour, 0, 0}, {x + 10, y, 0, colour, 1, 0}, {x, y + 10, 0, colour, 0, 1},
                             {x + 10, y + 10, 0, colour, 1, 1}};
        const int order[6] = {0, 1, 2, 2, 1, 3};
        for (int i = 0; i < 6; ++i)
            v[i] = c[order[i]];
    };
    quad(&g_quadBatch.vertices[0], 10, 10, 0xFFFF0000u);
    quad(&g_quadBatch.vertices[6], 30, 10, 0xFF00FF00u);
    g_quadBatch.vertexCount = 12;
    g_quadBatch.Upload();
    g_quadBatch.Draw();
    ExpectAt(15, 15, {255, 0, 0});
    ExpectAt(35, 15, {0, 255, 0});

    VertexBatch strip;
    strip.vertices = {{0, 0, 0, 0xFF0000FFu, 0, 0}, {20, 0, 0, 0xFF0000FFu, 0, 0}, {0, 20, 0, 0xFF0000FFu, 0, 0},
                      {20, 20, 0, 0xFF0000FFu, 0, 0}};
    strip.primitiveCount = 5; // more than the vertices make: only two are drawn
    g_renderDevice.PushMatrix();
    g_renderDevice.Translate(Vector3(100, 100, 0));
    g_renderDevice.DrawStripZTest(strip);
    g_renderDevice.PopMatrix();
    ExpectAt(110, 110, {0, 0, 255});

    // Buffers made anew between draws from memory and from buffers.
    VertexBatch other;
    other.ResizeQuads(1);
    quad(&other.vertices[0], 200, 10, 0xFFFFFF00u);
    other.Upload();
    other.Draw();
    g_renderDevice.DrawRect(220, 10, 10, 10);
    other.ResizeQuads(2);
    quad(&other.vertices[0], 240, 10, 0xFF00FFFFu);
    quad(&other.vertices[6], 260, 10, 0xFF00FFFFu);
    other.Upload();
    other.Draw();
    g_quadBatch.Draw();
    ExpectAt(205, 15, {255, 255, 0});
    ExpectAt(225, 15, {255, 255, 255});
    ExpectAt(265, 15, {0, 255, 255});
}

TEST_F(RenderDeviceGlTest, BigTextureDrawsItsChunksAndNothingAfterRelease)
{
    TempDir dir;
    std::vector<std::uint8_t> pixels;
    for (int y = 0; y < 260; ++y)
        for (int x = 0; x < 300; ++x)
            pixels.insert(pixels.end(), {static_cast<std::uint8_t>(x >= 256 ? 255 : 0), 0,
                                         static_cast<std::uint8_t>(y >= 256 ? 255 : 0), 255});
    WriteTextFile(dir.File("big.tga"), fixtures::MakeTga(300, 260, 2, 32, pixels));
    BigTexture big;
    {
        ScopedCurrentDir here(dir.Path());
        big.Split("big.tga");
    }
    ASSERT_EQ(big.chunks.size(), 4u);
    big.Upload();
    big.Draw(10, 10);
    ExpectAt(20, 20, {0, 0, 0});
    ExpectAt(300, 20, {0, 0, 255});   // blue bytes come first: BGRA
    ExpectAt(20, 268, {255, 0, 0});
    ExpectAt(312, 20, kBackground);   // transparent padding
    big.Release();
    EXPECT_TRUE(big.chunks.empty());
    g_renderDevice.BeginFrame();
    big.Draw(10, 10);
    ExpectAt(20, 20, kBackground);
}

TEST_F(RenderDeviceGlTest, SplashFrameShowsTheSplashPicture)
{
    TempDir dir;
    std::vector<std::uint8_t> rgb;
    for (int i = 0; i < 300 * 200; ++i)
        rgb.insert(rgb.end(), {200, 40, 40});
    WriteTextFile(dir.File("fsdata/splash1.jpg"), fixtures::MakeJpeg(300, 200, 3, rgb));
    WriteTextFile(dir.File("game/settings.ini"), "");
    {
        ScopedCurrentDir inGame(dir.File("game"));
        LoadSplashSprite();
    }
    ASSERT_NE(g_splashSprite, nullptr);
    EXPECT_EQ(g_splashSprite->imageWidth, 300);
    EXPECT_EQ(g_splashSprite->textureWidth, 300) << "the GL has textures of any size";
    // The frame of the main loop: clear and 2D view, splash, end of the view.
    g_renderDevice.EnableTexture(false);
    g_renderDevice.DrawRect(0, 0, 800, 600);
    GameFrameServices frame;
    g_drawSplash = true;
    const Matrix4 outside = g_renderDevice.GetTransform(RenderDevice::kWorld);
    frame.BeginFrame();
    ExpectAt(400, 300, kBackground);
    frame.DrawSplash();
    ExpectAt(1, 1, {200, 40, 40}, 6);
    ExpectAt(798, 598, {200, 40, 40}, 6);
    ExpectAt(400, 300, {200, 40, 40}, 6);
    frame.EndFrame();
    EXPECT_EQ(g_renderDevice.GetTransform(RenderDevice::kWorld), outside);
    g_drawSplash = false; // the script's ResetSplash
    frame.BeginFrame();
    frame.DrawSplash();
    ExpectAt(400, 300, kBackground);
    frame.EndFrame();
    g_drawSplash = true;
    ReleaseSplashSprite();
    EXPECT_EQ(g_splashSprite, nullptr);
}

TEST_F(RenderDeviceGlTest, AdapterLinesAreLogged)
{
    ScopedLogFile logFile;
    g_renderDevice.LogAdapterInfo();
    logFile.Close();
    const std::string log = logFile.Text();
    std::string vendor, renderer, version;
    g_renderDevice.Gl().AdapterStrings(vendor, renderer, version);
    ASSERT_FALSE(vendor.empty());
    ASSERT_FALSE(version.empty());
    EXPECT_NE(log.find("D3D Driver: " + vendor), std::string::npos);
    EXPECT_NE(log.find("Description: " + renderer), std::string::npos);
    EXPECT_NE(log.find("Version: " + version), std::string::npos);
}

TEST_F(RenderDeviceGlTest, ReleaseFreesEverythingAndLaterCallsAreHarmless)
{
    Texture texture;
    MakeCornerTexture(texture);
    g_renderDevice.End2D();
    g_renderDevice.Release();
    EXPECT_FALSE(g_renderDevice.IsInitialized());
    // Nothing below may reach GL.
    texture.Bind();
    g_renderDevice.DrawRect(0, 0, 10, 10);
    texture.Release();
    EXPECT_EQ(texture.deviceTexture, 0u);
    g_renderDevice.EndFrame();
    // TearDown's End2D and Release run again on a released device.
    g_renderDevice.Begin2D();
}

TEST_F(RenderDeviceGlTest, FogRunsAlongTheProjectedDepth)
{
    g_renderDevice.EnableTexture(false);
    g_renderDevice.EnableFog(true);
    g_renderDevice.DrawRect(10, 10, 10, 10); // depth 0.5: half fog colour
    g_renderDevice.EnableFog(false);
    g_renderDevice.DrawRect(30, 10, 10, 10);
    ExpectAt(15, 15, {128, 151, 198}, 3);
    ExpectAt(35, 15, {255, 255, 255});
}

// The 800 x 600 screen scaled (and letterboxed) into other drawables.
TEST(RenderDeviceScaledWindow, ViewportsFollowTheDrawable)
{
    const struct {
        int width, height;
        int left, bottom, scale;
    } cases[] = {{1600, 1200, 0, 0, 2}, {1000, 600, 100, 0, 1}, {800, 800, 0, 100, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        backend::Window window;
        backend::WindowDesc desc;
        desc.width = c.width;
        desc.height = c.height;
        ASSERT_TRUE(window.Create(desc));
        g_renderDevice.Init(window);
        g_renderDevice.BeginFrame();
        g_renderDevice.Begin2D();
        g_renderDevice.EnableTexture(false);
        g_renderDevice.DrawRect(100, 50, 40, 30);
        g_renderDevice.BeginViewport2D(400, 0, 100, 100); // top edge of the screen
        g_renderDevice.DrawRect(0, 0, 100, 100);
        g_renderDevice.End2D();
        g_renderDevice.SetFullViewport();
        auto at = [](int x, int y) { return g_renderDevice.Gl().ReadPixels(x, y, 1, 1)[0]; };
        const int s = c.scale;
        EXPECT_EQ(at(c.left + 100 * s, c.bottom + 50 * s), 255);
        EXPECT_EQ(at(c.left + 140 * s - 1, c.bottom + 80 * s - 1), 255);
        EXPECT_EQ(at(c.left + 140 * s, c.bottom + 50 * s), 0x3C);
        EXPECT_EQ(at(c.left + 100 * s - 1, c.bottom + 50 * s), 0x3C);
        EXPECT_EQ(at(c.left + 400 * s, c.bottom + 600 * s - 1), 255);
        EXPECT_EQ(at(c.left + 400 * s, c.bottom + 500 * s - 1), 0x3C);
        g_renderDevice.End2D();
        g_renderDevice.Release();
        window.Destroy();
    }
}

// A picture of 37 x 23 (no side a power of two) loaded and drawn in every way
// the screens draw pictures, once uploaded at its own size and once padded to
// 64 x 32: the screen is the same pixel for pixel.
TEST_F(RenderDeviceGlTest, PaddedAndUnpaddedPicturesDrawTheSame)
{
    ASSERT_TRUE(g_renderDevice.Gl().HasNonPowerOfTwoTextures());
    const int w = 37, h = 23;
    TempDir dir;
    std::vector<std::uint8_t> pixels;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            pixels.insert(pixels.end(), {static_cast<std::uint8_t>(40 + 5 * x), static_cast<std::uint8_t>(20 + 9 * y),
                                         static_cast<std::uint8_t>((x * 7 + y * 13) % 256), 255});
    WriteTextFile(dir.File("picture.tga"), fixtures::MakeTga(w, h, 2, 32, pixels));

    struct Case {
        const char* what;
        void (*draw)(Sprite& picture);
    };
    const Case cases[] = {
        {"the whole texture at its own size",
         [](Sprite& s) {
             s.Bind();
             g_renderDevice.DrawRect(20, 30, s.textureWidth, s.textureHeight);
         }},
        {"from its top edge", [](Sprite& s) { s.DrawFromTop(Point(20, 100)); }},
        {"the picture stretched three times",
         [](Sprite& s) {
             s.Bind();
             g_renderDevice.DrawRectPartial(20, 30, 3 * s.imageWidth, 3 * s.imageHeight, s.RightU(), s.TopV());
         }},
        {"a band of it in pixels, twice its size",
         [](Sprite& s) {
             s.Bind();
             g_renderDevice.DrawRectUV(Rect(20, 30, 40, 30), s.U(10.0f), s.U(30.0f), s.V(5.0f), s.V(20.0f));
         }},
        {"mirrored",
         [](Sprite& s) {
             s.Bind();
             g_renderDevice.DrawRectUV(Rect(20, 30, 2 * s.imageWidth, 2 * s.imageHeight), s.RightU(), 0.0f, 0.0f,
                                       s.TopV());
         }},
        {"an animation's frames, three to a row",
         [](Sprite& s) {
             SpriteAnimation animation;
             animation.SetSheet(&s);
             animation.frameWidth = 12;
             animation.frameHeight = 11;
             animation.frameCount = 6;
             animation.ComputeFrameSize();
             s.Bind();
             for (int f = 0; f < 6; ++f) {
                 animation.SetFrame(f);
                 animation.Draw(Point(20 + 14 * f, 30));
             }
         }},
    };
    const auto screen = [] { return g_renderDevice.Gl().ReadPixels(0, 0, 200, 200); };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> drawn[2];
        for (int padded = 0; padded < 2; ++padded) {
            SetPicturesPaddedToPowerOfTwo(padded != 0);
            ScopedCurrentDir here(dir.Path());
            Sprite picture("picture.tga");
            EXPECT_EQ(picture.textureWidth, padded ? 64 : w) << c.what;
            EXPECT_EQ(picture.textureHeight, padded ? 32 : h) << c.what;
            picture.Upload(true);
            g_renderDevice.BeginFrame();
            const std::vector<std::uint8_t> empty = screen();
            c.draw(picture);
            drawn[padded] = screen();
            EXPECT_NE(drawn[padded], empty) << c.what << ": nothing drawn";
            picture.Release();
        }
        EXPECT_TRUE(drawn[0] == drawn[1]) << c.what;
    }

    // A big picture in chunks of 16: the last column and row are narrower
    // where textures may have any size.
    std::vector<std::uint8_t> drawn[2];
    for (int padded = 0; padded < 2; ++padded) {
        SetPicturesPaddedToPowerOfTwo(padded != 0);
        BigTexture big;
        big.chunkWidth = big.chunkHeight = 16;
        {
            ScopedCurrentDir here(dir.Path());
            big.Split("picture.tga");
        }
        ASSERT_EQ(big.chunks.size(), 6u);
        EXPECT_EQ(big.chunks.back().texture->image.width, padded ? 16 : 5);
        EXPECT_EQ(big.chunks.back().texture->image.height, padded ? 16 : 7);
        big.Upload();
        g_renderDevice.BeginFrame();
        big.Draw(20, 30);
        drawn[padded] = screen();
        big.Release();
    }
    EXPECT_TRUE(drawn[0] == drawn[1]) << "big picture";
}
