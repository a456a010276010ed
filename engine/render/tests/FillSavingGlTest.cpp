// The render device's fill saving drawn into a real GL context (the offscreen
// driver): every picture, way of drawing and blend state of the table is
// drawn once whole and once with the saving on, and the two screens must
// match pixel for pixel (within one step a channel), while an occlusion
// query shows the fragments it saved. A failing case leaves both pictures as
// <test>_<case>_whole.ppm and _saving.ppm in the folder the test ran in.

#include "engine/platform/Settings.h"
#include "engine/render/DrawRoutines.h"
#include "engine/render/RenderDevice.h"
#include "engine/render/Texture.h"
#include "tests/support/GlTestContext.h"

#include <GL/gl.h>
#include <GL/glext.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

using namespace testing_support;

namespace {

constexpr int kSize = 16;

// 16 x 16 pictures, ARGB words, bottom row first.
struct Picture {
    const char* name;
    std::uint32_t (*texel)(int x, int y);
    // The saving must draw fewer fragments in the 1:1 draw than the whole quad.
    bool fewerNormal;
    bool fewerAdditive;
    // Shows texels on the texture's edge: a linear filter on a wrapping
    // texture reaches round to the opposite edge, which is then kept.
    bool onTheEdge;
};

std::uint32_t Varied(int x, int y, std::uint32_t alpha)
{
    return (alpha << 24) | static_cast<std::uint32_t>((x * 15) << 16 | (y * 15) << 8 | ((x + y) * 7));
}

const Picture kPictures[] = {
    // A sprite with a transparent frame and soft edges inside it.
    {"framed",
     [](int x, int y) -> std::uint32_t {
         if (x < 3 || x > 12 || y < 4 || y > 13)
             return 0u;
         return Varied(x, y, (x == 3 || y == 13) ? 0x60u : 0xFFu);
     },
     true, true, false},
    // A glow on opaque black: nothing to cut under normal blending, the
    // black border under additive blending.
    {"glow",
     [](int x, int y) -> std::uint32_t {
         return (x >= 5 && x <= 9 && y >= 6 && y <= 11) ? Varied(x, y, 0xFFu) : 0xFF000000u;
     },
     false, true, false},
    {"opaque", [](int x, int y) { return Varied(x, y, 0xFFu); }, false, false, true},
    // An opaque 12 x 10 picture padded with transparent texels.
    {"padded",
     [](int x, int y) -> std::uint32_t { return x < 12 && y < 10 ? Varied(x, y, 0xFFu) : 0u; }, true, true, true},
    // One texel on the corner a wrapping filter reaches round to.
    {"corner texel", [](int x, int y) -> std::uint32_t { return x == 15 && y == 0 ? 0xFFFFC020u : 0u; }, true,
     true, true},
    {"empty", [](int, int) -> std::uint32_t { return 0u; }, true, true, false},
};

struct Way {
    const char* name;
    std::function<void()> draw;
};

const Way kWays[] = {
    {"one to one", [] { g_renderDevice.DrawRect(100, 100, kSize, kSize); }},
    {"stretched", [] { g_renderDevice.DrawRect(100, 100, 53, 37); }},
    {"partial", [] { g_renderDevice.DrawRectPartial(100, 100, 45, 50, 0.75f, 0.625f); }},
    {"flipped", [] { g_renderDevice.DrawRectUV(Rect(100, 100, 40, 40), 1.0f, 0.0f, 0.0f, 1.0f); }},
    {"turned", [] { g_renderDevice.DrawRectOriented(Rect(100, 100, 48, 32), 1); }},
    {"turned back", [] { g_renderDevice.DrawRectOriented(Rect(100, 100, 30, 44), 3); }},
    {"rotated",
     [] {
         g_renderDevice.PushMatrix();
         g_renderDevice.Translate(Vector3(200.0f, 200.0f, 0.0f));
         g_renderDevice.Rotate(Vector3(0.0f, 0.0f, 1.0f), 33.0f);
         g_renderDevice.DrawRect(-40, -30, 80, 60);
         g_renderDevice.PopMatrix();
     }},
    {"sheared",
     [] {
         g_renderDevice.DrawQuadUV(Vector3(100.0f, 100.0f, 0.0f), Vector3(170.0f, 110.0f, 0.0f),
                                   Vector3(115.0f, 160.0f, 0.0f), Vector3(185.0f, 170.0f, 0.0f), 0.0f, 1.0f, 0.0f,
                                   1.0f);
     }},
    {"tiled", [] { g_renderDevice.DrawRectUV(Rect(100, 100, 64, 48), -0.5f, 2.5f, 0.0f, 2.0f); }},
    {"scrolled", [] {
         g_renderDevice.PushMatrix();
         g_renderDevice.Translate(Vector3(100.0f, 150.0f, 0.0f));
         DrawScrollingBand(0.3f, 1.0f, 0.5f, 20.0f, 120.0f);
         g_renderDevice.PopMatrix();
     }},
};

struct State {
    const char* name;
    int blendMode;
    Color colour;
    bool linear;
    backend::TextureAddress address;
};

const State kStates[] = {
    {"normal", 0, Color(255, 255, 255, 255), false, backend::TextureAddress::Wrap},
    {"normal tinted", 0, Color(200, 90, 40, 150), false, backend::TextureAddress::Clamp},
    {"normal linear wrap", 0, Color(255, 255, 255, 255), true, backend::TextureAddress::Wrap},
    {"normal linear mirror", 0, Color(255, 255, 255, 255), true, backend::TextureAddress::Mirror},
    {"additive", 2, Color(255, 255, 255, 255), false, backend::TextureAddress::Wrap},
    {"additive linear", 2, Color(180, 220, 255, 200), true, backend::TextureAddress::Wrap},
    {"faded out", 0, Color(255, 255, 255, 0), false, backend::TextureAddress::Wrap},
};

class FillSavingGlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_settings.useJpegPairs = false;
        ASSERT_TRUE(_gl.Open("fill saving test"));
        glGenQueries(1, &_query);
    }

    void TearDown() override
    {
        glDeleteQueries(1, &_query);
        g_renderDevice.SetFillSaving(true);
        _gl.Close();
    }

    // The screen after the draw, and the fragments the draw filled.
    std::vector<std::uint8_t> Draw(bool saving, const std::function<void()>& draw, unsigned& fragments)
    {
        g_renderDevice.SetFillSaving(saving);
        g_renderDevice.BeginFrame();
        g_renderDevice.Gl().Flush();
        glBeginQuery(GL_SAMPLES_PASSED, _query);
        draw();
        g_renderDevice.Gl().Flush();
        glEndQuery(GL_SAMPLES_PASSED);
        GLuint samples = 0;
        glGetQueryObjectuiv(_query, GL_QUERY_RESULT, &samples);
        fragments = samples;
        return g_renderDevice.Gl().ReadPixels(0, 0, 800, 600);
    }

    static int Differing(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b)
    {
        int count = 0;
        for (std::size_t i = 0; i + 3 < a.size(); i += 4)
            for (std::size_t k = 0; k < 3; ++k)
                if (std::abs(a[i + k] - b[i + k]) > 1) {
                    ++count;
                    break;
                }
        return count;
    }

    GlTestContext _gl;
    GLuint _query = 0;
};

} // namespace

TEST_F(FillSavingGlTest, EveryPictureWayAndStateLeavesTheScreenAsTheWholeQuadDoes)
{
    for (const Picture& picture : kPictures) {
        std::vector<std::uint32_t> texels(kSize * kSize);
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x)
                texels[y * kSize + x] = picture.texel(x, y);
        Texture texture;
        UploadTexture(texture, kSize, kSize, texels);
        ASSERT_NE(texture.deviceTexture, 0u) << picture.name;
        for (const State& state : kStates) {
            texture.linearFilter = state.linear;
            texture.addressMode = state.address;
            for (const Way& way : kWays) {
                const std::string name = std::string(picture.name) + ", " + way.name + ", " + state.name;
                const auto draw = [&] {
                    g_renderDevice.SetBlendMode(state.blendMode);
                    g_renderDevice.SetColor(state.colour);
                    texture.Bind();
                    way.draw();
                    g_renderDevice.ResetColor();
                    g_renderDevice.SetBlendMode(0);
                };
                unsigned wholeFragments = 0, savingFragments = 0;
                const auto whole = Draw(false, draw, wholeFragments);
                const auto saving = Draw(true, draw, savingFragments);
                const int differing = Differing(whole, saving);
                EXPECT_EQ(differing, 0) << name;
                EXPECT_LE(savingFragments, wholeFragments) << name;
                if (differing != 0) {
                    std::string file = name;
                    for (char& c : file)
                        if (c == ' ' || c == ',')
                            c = '_';
                    Draw(false, draw, wholeFragments);
                    SaveScreenPicture(TestPicturePath("_" + file + "_whole"));
                    Draw(true, draw, savingFragments);
                    SaveScreenPicture(TestPicturePath("_" + file + "_saving"));
                }
                const bool oneToOne = std::string(way.name) == "one to one";
                const bool wrapsRound = state.linear && state.address == backend::TextureAddress::Wrap;
                const bool fewer = (state.blendMode == 2 ? picture.fewerAdditive : picture.fewerNormal) &&
                                   !(wrapsRound && picture.onTheEdge);
                if (oneToOne && fewer) {
                    EXPECT_LT(savingFragments, wholeFragments) << name;
                }
                if (state.colour.a == 0 || std::string(picture.name) == "empty") {
                    EXPECT_EQ(savingFragments, 0u) << name;
                }
            }
        }
        texture.Release();
    }
}

TEST_F(FillSavingGlTest, AnOpaquePictureReplacesWhatIsUnderItAsBlendingWould)
{
    // Under a half-transparent veil drawn first, the opaque picture drawn
    // without blending must still cover it exactly, and a picture that is
    // opaque only inside its padding too.
    std::vector<std::uint32_t> opaque(kSize * kSize), padded(kSize * kSize);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            opaque[y * kSize + x] = Varied(x, y, 0xFFu);
            padded[y * kSize + x] = x < 12 && y < 10 ? Varied(x, y, 0xFFu) : 0u;
        }
    Texture opaqueTexture, paddedTexture;
    UploadTexture(opaqueTexture, kSize, kSize, opaque);
    UploadTexture(paddedTexture, kSize, kSize, padded);
    EXPECT_TRUE(opaqueTexture.coverage.opaque);
    EXPECT_FALSE(paddedTexture.coverage.opaque);
    EXPECT_TRUE(paddedTexture.coverage.opaqueShown);
    const auto draw = [&] {
        g_renderDevice.EnableTexture(false);
        g_renderDevice.SetColor(Color(10, 200, 30, 128));
        g_renderDevice.DrawRect(90, 90, 200, 200);
        g_renderDevice.ResetColor();
        opaqueTexture.Bind();
        g_renderDevice.DrawRect(100, 100, 64, 64);
        paddedTexture.Bind();
        g_renderDevice.DrawRect(180, 100, kSize, kSize);
        g_renderDevice.DrawRectPartial(100, 180, 12, 10, 0.75f, 0.625f);
        g_renderDevice.DrawRectPartial(130, 180, 36, 30, 0.75f, 0.625f);
    };
    unsigned wholeFragments = 0, savingFragments = 0;
    const auto whole = Draw(false, draw, wholeFragments);
    const auto saving = Draw(true, draw, savingFragments);
    EXPECT_EQ(Differing(whole, saving), 0);
    // The padding of the picture drawn one to one is not filled.
    EXPECT_EQ(wholeFragments - savingFragments, 16u * 16u - 12u * 10u);
    opaqueTexture.Release();
    paddedTexture.Release();
}
