// The program's own start-up, layers and main-loop frames with particle
// effects on widgets: the start script loads the resource, particles and
// effects files, a layer with three labels is pushed, each label gets an
// effect, and frames run through the controller manager and the effect
// observer. Set VELMORA_SAVE_PICTURES to keep the picture
// (<test>.ppm in the test's folder) of a passing run too.

#include "app/GameFrameServices.h"
#include "engine/platform/Application.h"
#include "engine/platform/FrameServices.h"
#include "engine/render/RenderDevice.h"
#include "gui/GUIManager.h"
#include "gui/Layer.h"
#include "gui/ScreenImpl.h"
#include "gui/Widget.h"
#include "gui/effects/EffectObserver.h"
#include "gui/effects/ParticleEffect.h"
#include "gui/effects/ParticleManager.h"
#include "tests/support/EndToEndGame.h"
#include "tests/support/GlTestContext.h"
#include "tests/support/TestEnvironment.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

using namespace testing_support;

namespace {

class EffectEndToEndTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteTextFile(_game.File("start.lua"), "LoadResource('resources.xml')\n"
                                               "LoadParticles('particles.xml')\n"
                                               "LoadEffects('effects.xml')\n"
                                               "ShowWindowIfNoSplashes()\n");
        WriteTextFile(_game.File("resources.xml"),
                      "<Resources><Fonts><font name='Letter'/></Fonts><Textures2D>"
                      "<texture2D id='particle' path='textures\\particle.png'/>"
                      "<texture2D id='spark' path='textures\\spark.png'/></Textures2D></Resources>");
        for (const char* file : {"particles.xml", "effects.xml"})
            WriteTextFile(_game.File(file), ReadTextFile(SourceDir() + "/data/" + file));
        const std::string data = std::string(std::getenv("VELMORA_GAME_DIR")) + "/data/";
        std::filesystem::create_directories(_game.File("font"));
        std::filesystem::create_directories(_game.File("textures"));
        for (const char* file : {"font/Letter.txt", "font/Letter.png", "textures/particle.png", "textures/spark.png",
                                 "textures/options_back.png"})
            std::filesystem::copy_file(data + file, _game.File(file));
        WriteTextFile(_game.File("Effects.xml"), R"(<Gui>
  <Layer name="Effects">
    <Background><texture name="textures\options_back.png"/></Background>
    <Controls>
      <Text name="sparkle"><position x="150" y="420"/><text>Sparkle</text><font name="Letter"/></Text>
      <Text name="glow"><position x="350" y="420"/><text>Glow</text><font name="Letter"/></Text>
      <Text name="smoke"><position x="550" y="420"/><text>Smoke</text><font name="Letter"/></Text>
    </Controls>
  </Layer>
</Gui>)");

        ASSERT_TRUE(_game.Start());
    }

    void TearDown() override
    {
        for (const char* name : {"sparkle", "glow", "smoke"})
            if (Layer* layer = GUI.getLayer("Effects"))
                if (Widget* widget = layer->getWidget(name))
                    for (ParticleEffect* effect : widget->effects.effects)
                        effect->Stop();
        _game.Stop();
    }

    // The screen drawn once more without presenting, for reading back.
    void DrawScreen()
    {
        _services.BeginFrame();
        _services.DrawScreen(false);
    }

    // The brightest pixel (sum of channels) and the darkest in a box.
    static std::pair<int, int> Extremes(int x, int y, int w, int h)
    {
        const auto p = g_renderDevice.Gl().ReadPixels(x, y, w, h);
        int brightest = 0;
        int darkest = 3 * 255;
        for (int i = 0; i < w * h; ++i) {
            const int sum = p[i * 4] + p[i * 4 + 1] + p[i * 4 + 2];
            brightest = std::max(brightest, sum);
            darkest = std::min(darkest, sum);
        }
        return {brightest, darkest};
    }

    EndToEndGame _game{"Effects Test"};
    GameFrameServices _services;
};

} // namespace

TEST_F(EffectEndToEndTest, EffectsOnWidgetsRunInTheMainLoopAndShowOnTheLayer)
{
    ASSERT_EQ(g_particleManager._effects.count("Sparkle"), 1u) << "the start script loads the effects";
    GUI.LoadLayers("Effects.xml");
    Layer* layer = GUI.getLayer("Effects");
    ASSERT_NE(layer, nullptr);
    Screen.pushLayer(layer);

    // The plain layer, before any effect.
    DrawScreen();
    const auto sparkleBefore = Extremes(170, 250, 60, 60);
    const auto glowBefore = Extremes(370, 250, 60, 60);
    const auto smokeBefore = Extremes(565, 250, 70, 90);

    // Each effect sits 100 pixels above its label's position.
    for (const char* name : {"sparkle", "glow", "smoke"}) {
        Widget* widget = layer->getWidget(name);
        ASSERT_NE(widget, nullptr) << name;
        std::string effectName = name;
        effectName[0] = static_cast<char>(effectName[0] - 'a' + 'A');
        widget->AddEffect(effectName, 50.0f, 100.0f); // every particle starts from there
    }

    // The main loop's start puts the observer on the controller manager;
    // then frames run as the loop runs them, about 1.5 seconds of them.
    AddEffectObserver();
    _game.App().running = true;
    const Uint32 start = SDL_GetTicks();
    while (SDL_GetTicks() - start < 1500) {
        _game.App().Frame();
        SDL_Delay(10);
    }
    ASSERT_EQ(layer->getWidget("sparkle")->effects.effects.size(), 1u);
    EXPECT_GT(layer->getWidget("sparkle")->effects.effects.front()->_time, 1.0f);

    DrawScreen();
    const auto sparkle = Extremes(170, 250, 60, 60);
    const auto glow = Extremes(370, 250, 60, 60);
    const auto smoke = Extremes(565, 250, 70, 90);
    EXPECT_GT(sparkle.first, sparkleBefore.first + 60);
    EXPECT_GT(glow.first, glowBefore.first + 60);
    EXPECT_LT(smoke.second, smokeBefore.second - 20);
}
