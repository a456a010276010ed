// Particles drawn into a real GL context and read back: blending, and the
// bundled effects shown on widgets. With VELMORA_SAVE_PICTURES set, the
// widget picture is written as particle_effects.ppm in the test's folder
// (failing tests always leave theirs).

#include "engine/platform/Settings.h"
#include "engine/render/RenderDevice.h"
#include "engine/render/Texture.h"
#include "engine/render/VertexBatch.h"
#include "engine/resources/ResourceManager.h"
#include "engine/util/Random.h"
#include "gui/Widget.h"
#include "gui/effects/EffectObserver.h"
#include "gui/effects/ParticleManager.h"
#include "gui/effects/RayStrip.h"
#include "tests/support/GlTestContext.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

using namespace testing_support;

namespace {

class EffectsGlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_settings.useJpegPairs = false;
        ASSERT_TRUE(_gl.Open("particle test"));
        SeedRandom(5);
    }

    void TearDown() override
    {
        g_particleManager._effects.clear();
        g_particleManager._systems.clear();
        g_resourceManager.DestroyTextures();
        _gl.Close();
    }

    // A white opaque 2 x 2 texture.
    static std::shared_ptr<Texture> WhiteTexture()
    {
        auto texture = std::make_shared<Texture>();
        UploadTexture(*texture, 2, 2, {0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu});
        return texture;
    }

    // Two particles on top of each other at (x, y): red 100, opaque.
    static ParticleEffect TwoRedParticles(bool additive, float x, float y)
    {
        ParticleSystem s;
        s._texture = WhiteTexture();
        s._additive = additive;
        s._lifeInitial = 10.0f;
        s._paramSize._initial = 10.0f;
        s._paramRed._initial = 100.0f;
        s._paramAlpha._initial = 255.5f;
        s.SetParticleCount(2);
        ParticleEffect effect;
        effect.posX = x;
        effect.posY = y;
        effect._systems.push_back(s);
        effect.Reset();
        effect.Update(0.01f);
        return effect;
    }

    GlTestContext _gl;
};

} // namespace

TEST_F(EffectsGlTest, AdditiveParticlesBrightenAndNormalOnesCover)
{
    ParticleEffect additive = TwoRedParticles(true, 200.0f, 200.0f);
    ParticleEffect normal = TwoRedParticles(false, 400.0f, 200.0f);
    additive.Draw();
    normal.Draw();
    // Background 60: additive adds 100 twice (clamped) and keeps green;
    // normal blending shows the particle's own colour.
    const Rgb a = At(200, 200);
    EXPECT_GE(a[0], 250);
    EXPECT_NEAR(a[1], 60, 2);
    const Rgb n = At(400, 200);
    EXPECT_NEAR(n[0], 100, 2);
    EXPECT_NEAR(n[1], 0, 2);
    EXPECT_NEAR(At(200, 215)[0], 60, 2); // outside the 20 x 20 squares

    // Drawing ends in normal blending and an opaque white current colour.
    additive.Draw();
    EXPECT_EQ(g_renderDevice.CurrentColor(), 0xFFFFFFFFu);
    g_renderDevice.EnableTexture(false);
    g_renderDevice.SetColor(Color(255, 0, 0, 128));
    g_renderDevice.DrawRect(600, 300, 10, 10);
    g_renderDevice.ResetColor();
    EXPECT_NEAR(At(605, 305)[0], 157, 3);
}

TEST_F(EffectsGlTest, TheBundledEffectsShowOnWidgets)
{
    const std::string data = std::string(std::getenv("VELMORA_GAME_DIR")) + "/data";
    if (!PathExists(data + "/textures/particle.png"))
        GTEST_SKIP() << "the game folder has not been assembled";
    const std::string picture = std::filesystem::current_path().string() + "/particle_effects.ppm";
    ScopedCurrentDir cwd(data);
    g_resourceManager.LoadResources("resources.xml");
    g_particleManager.LoadParticles("particles.xml");
    g_particleManager.LoadEffects("effects.xml");
    // Every effect of the file is there.
    const std::string effects = ReadTextFile(data + "/effects.xml");
    std::size_t declared = 0;
    for (std::size_t at = effects.find("<Effect "); at != std::string::npos; at = effects.find("<Effect ", at + 1))
        ++declared;
    ASSERT_EQ(g_particleManager._effects.size(), declared);
    for (const char* effect : {"Sparkle", "SparkleBurst", "Glow", "Smoke", "HistoryRainbow", "HistoryFlame", "Rainbow",
                               "FullRayGlow", "GemMenuBoom", "GemMenuSet", "Bubbles", "MouseDown"})
        ASSERT_EQ(g_particleManager._effects.count(effect), 1u) << effect;
    for (const auto& [name, system] : g_particleManager._systems) {
        ASSERT_NE(system._texture, nullptr) << name;
        EXPECT_NE(system._texture->deviceTexture, 0u) << name;
    }

    Widget sparkle("sparkle", Rect(150, 250, 100, 100));
    Widget glow("glow", Rect(350, 250, 100, 100));
    Widget smoke("smoke", Rect(550, 200, 100, 100));
    const char* names[3] = {"Sparkle", "Glow", "Smoke"};
    Widget* widgets[3] = {&sparkle, &glow, &smoke};
    for (int i = 0; i < 3; ++i)
        widgets[i]->AddEffect(names[i], 50.0f, 50.0f); // the widget's centre
    // Two seconds of frames: the effects start where they were placed.
    const auto drawFrame = [&] {
        g_renderDevice.EnableTexture(false);
        g_renderDevice.SetColor(Color(60, 60, 60, 255));
        g_renderDevice.DrawRect(0, 0, 800, 600);
        // Smoke over a light panel, so that its normal blending shows.
        g_renderDevice.SetColor(Color(200, 190, 170, 255));
        g_renderDevice.DrawRect(520, 180, 160, 220);
        g_renderDevice.ResetColor();
        for (Widget* widget : widgets)
            widget->DrawAll();
    };
    for (int frame = 0; frame < 120; ++frame) {
        g_effectObserver.Update(1.0f / 60.0f);
        drawFrame();
    }
    ASSERT_EQ(g_effectObserver.Count(), 3u);
    if (std::getenv("VELMORA_SAVE_PICTURES"))
        SaveScreenPicture(picture);

    // Additive effects light the dark background around their centres;
    // the smoke darkens the light panel above its emitter.
    const auto brightest = [](int cx, int cy, int r) {
        int best = 0;
        for (int y = cy - r; y <= cy + r; y += 2)
            for (int x = cx - r; x <= cx + r; x += 2) {
                const Rgb p = At(x, y);
                best = std::max(best, p[0] + p[1] + p[2]);
            }
        return best;
    };
    EXPECT_GT(brightest(200, 300, 30), 3 * 60 + 150);
    EXPECT_GT(brightest(400, 300, 20), 3 * 60 + 100);
    const Rgb above = At(600, 280);
    EXPECT_LT(above[0] + above[1] + above[2], 200 + 190 + 170 - 20);

    for (Widget* widget : widgets)
        for (ParticleEffect* effect : widget->effects.effects)
            effect->Stop();
    for (int frame = 0; frame < 300 && g_effectObserver.Count() > 0; ++frame)
        g_effectObserver.Update(0.05f);
    EXPECT_EQ(g_effectObserver.Count(), 0u);
}

TEST_F(EffectsGlTest, ARayStripShowsItsBrightWindowAlongTheCurve)
{
    // A white texture, repeated or scrolled, stays white: only the window's
    // alpha shapes what is seen.
    const auto texture = WhiteTexture();
    RayStrip ray;
    ray.AddPoint(100.0f, 300.0f, 12.0f);
    ray.AddPoint(400.0f, 300.0f, 12.0f);
    ray.AddPoint(700.0f, 300.0f, 12.0f);
    ray.Build(60);
    ray.SetPairColor(Color(255, 200, 0));
    ray.SetProgress(0.5f); // window centred on the middle of the ribbon
    texture->Bind();
    g_renderDevice.SetBlendMode(2);
    ray.Draw();
    g_renderDevice.SetBlendMode(1);

    const Rgb middle = At(393, 300);
    EXPECT_GE(middle[0], 250);
    EXPECT_GE(middle[1], 240);
    EXPECT_NEAR(middle[2], 60, 3);
    const Rgb halfway = At(318, 300); // s near 0.375: about half bright
    EXPECT_GT(halfway[1], 60 + 60);
    EXPECT_LT(halfway[1], 60 + 160);
    EXPECT_NEAR(At(150, 300)[1], 60, 3); // outside the window
    EXPECT_NEAR(At(393, 320)[1], 60, 3); // beyond the half-width
    EXPECT_GE(At(393, 290)[1], 240);
    // The texture matrix is back to identity afterwards.
    EXPECT_EQ(g_renderDevice.GetMatrixMode(), RenderDevice::kWorld);
}
