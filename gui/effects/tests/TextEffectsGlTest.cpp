// Texts with effects drawn into a real GL context and read back: the burn
// modes, the fade of StringBoom, the flames following the burning glyph,
// drawing at a point, disabled strings and strings cut to the glyph array.
// With VELMORA_SAVE_PICTURES set, a page burning in behind its flames is
// written as text_with_effects.ppm in the test's folder (failing tests
// always leave theirs).

#include "engine/platform/Settings.h"
#include "engine/render/Font.h"
#include "engine/render/RenderDevice.h"
#include "engine/resources/ResourceManager.h"
#include "engine/util/Random.h"
#include "gui/effects/EffectList.h"
#include "gui/effects/EffectObserver.h"
#include "gui/effects/ParticleManager.h"
#include "gui/effects/TextWithEffects.h"
#include "tests/support/GlTestContext.h"
#include "tests/support/ScopedLogFile.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>

using namespace testing_support;

namespace {

struct InkBox {
    int left = 100000, right = -1, bottom = 100000, top = -1, brightest = 0;
    bool Empty() const { return right < 0; }
};

class TextEffectsGlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* game = std::getenv("VELMORA_GAME_DIR");
        ASSERT_NE(game, nullptr);
        data = std::string(game) + "/data";
        picturesDir = std::filesystem::current_path().string();
        cwd = std::make_unique<ScopedCurrentDir>(data);
        g_settings.useJpegPairs = false;
        ASSERT_TRUE(gl.Open("text effects test"));
        for (const char* name : {"Title", "text"}) {
            auto font = std::make_unique<Font>(name, 1.0f);
            ASSERT_TRUE(font->IsLoaded()) << name;
            font->track = 2.0f;
            g_renderDevice.AddFont(std::move(font));
        }
        // A flame that burns until it is stopped (its particles are not drawn
        // without a picture).
        ParticleSystem& flame = g_particleManager.System("TestFlame");
        flame._lifeInitial = 0.5f;
        flame.SetParticleCount(4);
        ParticleEffect& effect = g_particleManager.Effect("TestFlame");
        effect._systems.assign(1, ParticleSystem());
        effect._systems[0].CopyDescription(flame);
        SeedRandom(3);
    }

    void TearDown() override
    {
        for (int i = 0; i < 300 && g_effectObserver.Count() > 0; ++i) {
            for (ParticleEffect* e : owner.effects)
                e->Stop();
            g_effectObserver.Update(0.05f);
        }
        g_particleManager._effects.clear();
        g_particleManager._systems.clear();
        g_resourceManager.DestroyTextures();
        gl.Close();
    }

    void Clear()
    {
        g_renderDevice.EnableTexture(false);
        g_renderDevice.SetColor(Color(60, 60, 60, 255));
        g_renderDevice.DrawRect(0, 0, 800, 600);
        g_renderDevice.ResetColor();
    }

    // Pixels brighter than the grey clear, y counted from the bottom.
    static InkBox Ink(int x, int y, int w, int h)
    {
        g_renderDevice.Gl().Flush();
        const auto pixels = g_renderDevice.Gl().ReadPixels(x, y, w, h);
        InkBox box;
        for (int row = 0; row < h; ++row)
            for (int col = 0; col < w; ++col) {
                const int red = pixels[static_cast<std::size_t>((row * w + col) * 4)];
                box.brightest = std::max(box.brightest, red);
                if (red > 100) {
                    box.left = std::min(box.left, x + col);
                    box.right = std::max(box.right, x + col);
                    box.bottom = std::min(box.bottom, y + row);
                    box.top = std::max(box.top, y + row);
                }
            }
        return box;
    }

    // A string at (x, y) that has begun to arrive, with its flames running.
    TextEffectString& Arriving(const std::string& text, int mode, float x, float y, bool leftFlame = true)
    {
        TextEffectString s;
        s.SetText(text);
        s._x = x;
        s._y = y;
        s._startTime = 1.0f;
        s._startMode = mode;
        s.SetRightFlame("TestFlame");
        if (leftFlame)
            s.SetLeftFlame("TestFlame");
        strings.Insert(text, s);
        strings.SetOwner(&owner);
        TextEffectString& made = *strings.Find(text);
        made.Update(0.0f);
        EXPECT_EQ(made._state, TextEffectString::kArriving);
        return made;
    }

    // Left and right x of a laid-out glyph of the last drawn string.
    static float GlyphLeft(int i) { return g_renderDevice.GlyphVertices()[static_cast<std::size_t>(i) * 6].x; }
    static float GlyphRight(int i) { return g_renderDevice.GlyphVertices()[static_cast<std::size_t>(i) * 6 + 1].x; }

    std::string data;
    std::string picturesDir;
    ScopedLogFile log;
    std::unique_ptr<ScopedCurrentDir> cwd;
    GlTestContext gl;
    EffectList owner;
    TextWithEffects strings;
};

} // namespace

TEST_F(TextEffectsGlTest, RightBurnShowsTheGlyphsLeftOfTheFlame)
{
    TextEffectString& s = Arriving("ABCDEFGH", TextEffectString::kRightBurn, 100.0f, 300.0f, false);
    s._time = 0.5f; // 8 glyphs: 4 shown, the 5th just starting
    Clear();
    s.Draw();
    ASSERT_EQ(g_renderDevice.GlyphCount(), 8);
    const InkBox ink = Ink(0, 250, 800, 120);
    ASSERT_FALSE(ink.Empty());
    EXPECT_GE(ink.left, 99);
    EXPECT_LE(ink.right, 100 + static_cast<int>(GlyphRight(3)) + 1);
    EXPECT_GE(ink.right, 100 + static_cast<int>(GlyphLeft(3)));
    ASSERT_NE(s.RightFlame(), nullptr);
    EXPECT_FLOAT_EQ(s.RightFlame()->posX, 100.0f + GlyphLeft(4));
    EXPECT_FLOAT_EQ(s.RightFlame()->posY, s.CenterY());

    // A quarter into the next glyph, the flame a quarter across it.
    s._time = 0.5f + 0.25f / 8.0f;
    Clear();
    s.Draw();
    EXPECT_NEAR(s.RightFlame()->posX, 100.0f + GlyphLeft(4) + 0.25f * (GlyphRight(4) - GlyphLeft(4)), 0.01f);
}

TEST_F(TextEffectsGlTest, CenterBurnGrowsFromTheMiddleWithAFlameOnEachSide)
{
    TextEffectString& s = Arriving("ABCDEFGH", TextEffectString::kCenterBurn, 100.0f, 300.0f);
    s._time = 0.5f; // half of 4 on each side: glyphs 2 to 5
    Clear();
    s.Draw();
    const InkBox ink = Ink(0, 250, 800, 120);
    ASSERT_FALSE(ink.Empty());
    EXPECT_GE(ink.left, 100 + static_cast<int>(GlyphLeft(2)) - 1);
    EXPECT_LE(ink.left, 100 + static_cast<int>(GlyphRight(2)));
    EXPECT_LE(ink.right, 100 + static_cast<int>(GlyphRight(5)) + 1);
    EXPECT_GE(ink.right, 100 + static_cast<int>(GlyphLeft(5)));
    ASSERT_NE(s.LeftFlame(), nullptr);
    ASSERT_NE(s.RightFlame(), nullptr);
    EXPECT_FLOAT_EQ(s.RightFlame()->posX, 100.0f + GlyphLeft(6));
    EXPECT_FLOAT_EQ(s.LeftFlame()->posX, 100.0f + GlyphRight(1));
}

TEST_F(TextEffectsGlTest, StringBoomFadesTheWholeStringIn)
{
    TextEffectString& s = Arriving("BOOM", TextEffectString::kStringBoom, 100.0f, 300.0f);
    EXPECT_EQ(s.RightFlame(), nullptr);
    s._time = 0.5f;
    Clear();
    s.Draw();
    EXPECT_EQ(g_renderDevice.CurrentColor(), 0xFFFFFFFFu);
    const InkBox half = Ink(0, 250, 800, 120);
    s.Finish();
    Clear();
    s.Draw();
    const InkBox full = Ink(0, 250, 800, 120);
    EXPECT_GE(full.brightest, 240);
    EXPECT_GT(half.brightest, 120);
    EXPECT_LT(half.brightest, 200);
    EXPECT_NEAR(half.left, full.left, 2);
    EXPECT_NEAR(half.right, full.right, 2);
}

TEST_F(TextEffectsGlTest, StringsDrawAtThePointAndDisabledOnesNotAtAll)
{
    TextEffectString centred;
    centred.SetText("MIDDLE");
    centred._align = 2;
    centred._y = 0.0f;
    strings.Insert("Centred", centred);
    TextEffectString hidden;
    hidden.SetText("HIDDEN");
    hidden._x = 400.0f;
    hidden._y = 100.0f;
    hidden._enabled = false;
    strings.Insert("Hidden", hidden);
    Clear();
    strings.DrawAt(Point(100, 200));
    EXPECT_TRUE(Ink(0, 0, 800, 600).Empty()) << "waiting strings are invisible";
    strings.Finish();
    Clear();
    strings.DrawAt(Point(100, 200));
    const InkBox ink = Ink(0, 150, 800, 300);
    ASSERT_FALSE(ink.Empty());
    EXPECT_NEAR((ink.left + ink.right) / 2, 100, 4);
    EXPECT_GE(ink.bottom, 195);
    EXPECT_LE(ink.top, 260) << "the hidden string would lie at y 300";
}

TEST_F(TextEffectsGlTest, ARevealOfNoLengthIsDrawnWholeAtOnce)
{
    TextEffectString s;
    s.SetText("NOW");
    s._x = 100.0f;
    s._y = 300.0f;
    s.SetRightFlame("TestFlame");
    s.Update(0.0f);
    EXPECT_EQ(s._state, TextEffectString::kShown);
    Clear();
    s.Draw();
    const InkBox ink = Ink(0, 250, 800, 120);
    EXPECT_GE(ink.brightest, 240);
    EXPECT_GE(ink.right, 100 + static_cast<int>(GlyphLeft(2)));
}

TEST_F(TextEffectsGlTest, ALongStringIsCutToTheGlyphArray)
{
    TextEffectString s;
    s._font = "text";
    s.SetText(std::string(150, 'i'));
    s._state = TextEffectString::kArriving;
    s._startTime = 1.0f;
    s._time = 0.999f; // the burn touches every glyph it keeps
    g_renderDevice.SelectFont("text");
    g_renderDevice.LayoutText(s._text);
    ASSERT_EQ(g_renderDevice.GlyphCount(), 150);
    // Glyph 99 ends at x 600; glyph 100 would start beyond it.
    const float x = 600.0f - GlyphRight(99);
    const int nextLeft = 600 + static_cast<int>(GlyphLeft(100) - GlyphRight(99));
    s._x = x;
    s._y = 300.0f;
    Clear();
    s.Draw();
    const InkBox ink = Ink(0, 250, 800, 120);
    ASSERT_FALSE(ink.Empty());
    EXPECT_LE(ink.right, 601);
    EXPECT_LT(ink.right, nextLeft + 1);
    s.Finish();
    Clear();
    s.Draw();
    EXPECT_LE(Ink(0, 250, 800, 120).right, 601);
}

TEST_F(TextEffectsGlTest, APageBurnsInBehindTheBundledFlames)
{
    if (!PathExists(data + "/textures/particle.png"))
        GTEST_SKIP() << "the game folder has not been assembled";
    g_resourceManager.LoadResources("resources.xml");
    g_particleManager.LoadParticles("particles.xml");
    g_particleManager.LoadEffects("effects.xml");
    TiXmlDocument file("TextWithEffects.xml");
    ASSERT_TRUE(file.LoadFile());
    TextWithEffects page;
    page.Load(file.RootElement()->FirstChildElement("Text"));
    page.SetOwner(&owner);
    page.Reset();
    // 2.3 seconds in: the caption is done, the first rows are burning.
    for (int frame = 0; frame < 138; ++frame) {
        page.Update(1.0f / 60.0f);
        g_effectObserver.Update(1.0f / 60.0f);
        Clear();
        page.DrawAt(Point(0, 600)); // as the statistics page draws it
        g_renderDevice.PushMatrix();
        g_renderDevice.Translate(Vector3(0.0f, 600.0f, 0.0f));
        owner.Draw();
        g_renderDevice.PopMatrix();
    }
    if (std::getenv("VELMORA_SAVE_PICTURES"))
        SaveScreenPicture(picturesDir + "/text_with_effects.ppm");
    EXPECT_TRUE(page.Find("Caption")->_done);
    EXPECT_TRUE(page.Find("TimeCaption")->_done);
    EXPECT_EQ(page.Find("TimeBonusCaption")->_state, TextEffectString::kArriving);
    EXPECT_NE(page.Find("TimeBonusCaption")->RightFlame(), nullptr);
    EXPECT_FALSE(page.AllFinished());
    // The caption is white at its full brightness; the last rows wait.
    EXPECT_GE(Ink(150, 480, 500, 60).brightest, 240);
    EXPECT_TRUE(Ink(200, 240, 400, 40).Empty());

    page.Finish();
    for (int frame = 0; frame < 10; ++frame) {
        page.Update(1.0f / 60.0f);
        g_effectObserver.Update(1.0f / 60.0f);
    }
    EXPECT_TRUE(page.AllFinished());
}
