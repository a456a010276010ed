// The game's own scenes: mult.lua and mults.xml of the game folder with the
// generated pictures, loaded by LoadAnimation and played in a
// LayeredAnimation widget for a few frames. Set VELMORA_SAVE_PICTURES to
// keep the picture (<test>.ppm) of a passing run too.

#include "engine/platform/Settings.h"
#include "engine/render/RenderDevice.h"
#include "engine/resources/ResourceManager.h"
#include "engine/script/ScriptHost.h"
#include "gui/WidgetFactory.h"
#include "gui/controllers/ControllerManager.h"
#include "gui/effects/ParticleManager.h"
#include "gui/scenes/LayerSet.h"
#include "gui/scenes/LayeredAnimation.h"
#include "gui/scenes/SceneLibrary.h"
#include "gui/scenes/TextureLayerObject.h"
#include "tests/support/BoundScriptState.h"
#include "tests/support/GlTestContext.h"
#include "tests/support/ScopedLogFile.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

#include <cstdlib>

using namespace testing_support;

namespace {

class SceneGameDataTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_settings.useJpegPairs = false;
        ASSERT_TRUE(_gl.Open("scene game data", false));
        _inGame = std::make_unique<ScopedCurrentDir>(std::string(std::getenv("VELMORA_GAME_DIR")) + "/data");
        OpenBoundScriptState();
    }

    void TearDown() override
    {
        if (!HasFailure() && std::getenv("VELMORA_SAVE_PICTURES"))
            SaveScreenPicture(TestPicturePath()); // a failure leaves its own
        _widget.reset();
        kernel.FlushPending();
        kernel.Update(0.0f);
        ReleaseSceneTextures();
        g_resourceManager.DestroyTextures();
        _inGame.reset();
        _gl.Close();
    }

    void Frame(float dt)
    {
        kernel.FlushPending();
        kernel.Update(dt);
        g_renderDevice.BeginFrame();
        g_renderDevice.Begin2D();
        _widget->Draw();
        g_renderDevice.End2D();
        g_renderDevice.EndFrame();
    }

    // The leftmost column inside the frame, over the band of GL rows, whose
    // pixel passes the test; -1 when none does.
    template <typename Test>
    static int FirstColumn(int fromRow, int rows, Test test)
    {
        const auto p = g_renderDevice.Gl().ReadPixels(0, fromRow, 800, rows);
        int first = -1;
        for (int y = 0; y < rows; ++y)
            for (int x = 160; x < 640; ++x)
                if (test(Rgb{p[(y * 800 + x) * 4], p[(y * 800 + x) * 4 + 1], p[(y * 800 + x) * 4 + 2]})) {
                    if (first < 0 || x < first)
                        first = x;
                    break;
                }
        return first;
    }

    ScopedLogFile _log;
    GlTestContext _gl;
    std::unique_ptr<ScopedCurrentDir> _inGame;
    std::unique_ptr<LayeredAnimation> _widget;
};

} // namespace

TEST_F(SceneGameDataTest, SeaScenePlaysWithItsShipSailing)
{
    LoadResource("resources.xml");
    g_particleManager.LoadParticles("particles.xml");
    g_particleManager.LoadEffects("effects.xml");
    LoadAnimation();
    ASSERT_NE(g_layerSets.Find("Sea"), nullptr);

    TiXmlDocument document;
    document.Parse("<LayeredAnimation name='scene'><position x='145' y='512'/></LayeredAnimation>");
    _widget.reset(static_cast<LayeredAnimation*>(CreateLayeredAnimation(document.RootElement())));
    EXPECT_NE(g_animationFade, nullptr);
    _widget->AcceptMessage(Message("Play", "Sea"));
    _widget->AcceptMessage(Message("UploadResources"));
    _widget->AcceptMessage(Message("BlackScreen", 0));
    _widget->AcceptMessage(Message("Active", 1));
    for (int i = 0; i < 250; ++i)
        Frame(0.02f);
    // The far ship sails the other way, mirrored by AnimationInit.
    const auto* far = dynamic_cast<const TextureLayerObject*>(g_layerSets.Find("Sea")->getLayer("Ships")->getObject("far"));
    ASSERT_NE(far, nullptr);
    EXPECT_TRUE(far->mirrorH);

    // Sky above, water below the horizon (scene y 112 is 190 pixels above
    // the window's bottom at GL row 87).
    const auto sky = g_renderDevice.Gl().ReadPixels(160, 480, 1, 1);
    EXPECT_GT(sky[2], sky[0]) << int(sky[0]) << "," << int(sky[1]) << "," << int(sky[2]);
    const auto sea = g_renderDevice.Gl().ReadPixels(600, 120, 1, 1);
    EXPECT_GT(sea[2], sea[0]) << int(sea[0]) << "," << int(sea[1]) << "," << int(sea[2]);

    // The red stripe of the near ship's sail moves to the right.
    const auto isSail = [](const Rgb& c) { return c[0] > 140 && c[1] < 100 && c[2] < 100; };
    const int before = FirstColumn(280, 60, isSail);
    for (int i = 0; i < 50; ++i)
        Frame(0.02f);
    const int after = FirstColumn(280, 60, isSail);
    EXPECT_GE(before, 0);
    EXPECT_GT(after, before);
}

TEST_F(SceneGameDataTest, ScenesLoadedByTheWidgetOutliveItWhileTheScriptsNameThem)
{
    LoadResource("resources.xml");
    g_particleManager.LoadParticles("particles.xml");
    g_particleManager.LoadEffects("effects.xml");
    LoadAnimation();
    LayerSet* listed = g_layerSets.Find("Sea");
    ASSERT_NE(listed, nullptr);
    TiXmlDocument document;
    document.Parse("<LayeredAnimation name='scene'><position x='145' y='512'/></LayeredAnimation>");
    _widget.reset(static_cast<LayeredAnimation*>(CreateLayeredAnimation(document.RootElement())));

    // A fresh "Sea" (the global now names it), a name the file lacks, then
    // the listed "Sea" played while the script moves the fresh one.
    _widget->AcceptMessage(Message("Load", "Sea"));
    LayerSet* loaded = _widget->scene;
    ASSERT_NE(loaded, nullptr);
    EXPECT_NE(loaded, listed);
    _widget->AcceptMessage(Message("Load", "Lagoon"));
    EXPECT_EQ(_widget->scene, loaded);
    _widget->AcceptMessage(Message("Play", "Sea"));
    EXPECT_EQ(_widget->scene, listed);
    _widget->AcceptMessage(Message("UploadResources"));
    _widget->AcceptMessage(Message("BlackScreen", 0));
    _widget->AcceptMessage(Message("Active", 1));
    for (int i = 0; i < 10; ++i)
        Frame(0.02f);

    // Loading again, playing it, and the widget going away leave every set
    // that the global or the library names alive.
    _widget->AcceptMessage(Message("Load", "Sea"));
    _widget->AcceptMessage(Message("UploadResources"));
    for (int i = 0; i < 10; ++i)
        Frame(0.02f);
    _widget.reset();
    kernel.FlushPending();
    kernel.Update(0.0f);
    _widget.reset(static_cast<LayeredAnimation*>(CreateLayeredAnimation(document.RootElement())));
    _widget->AcceptMessage(Message("Play", "Sea"));
    _widget->AcceptMessage(Message("BlackScreen", 0));
    _widget->AcceptMessage(Message("Active", 1));
    for (int i = 0; i < 10; ++i)
        Frame(0.02f);
    EXPECT_TRUE(RunScriptString("SeaReset() SeaDo(0.5) assert(Sea.set:getLayer('Ships') ~= nil)"));
    // The first fresh set still reads (the global moved on from it).
    EXPECT_NE(loaded->getLayer("Ships"), nullptr);
    EXPECT_EQ(g_layerSets.Find("Sea"), listed);
}
