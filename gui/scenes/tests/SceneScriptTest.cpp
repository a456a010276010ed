// Scenes as the scripts see them: LoadAnimation with its files, the scene
// tables and classes, and the calls of "do", "reset" and "AnimationInit".

#include "engine/script/ScriptHost.h"
#include "gui/WidgetFactory.h"
#include "gui/controllers/ControllerManager.h"
#include "gui/scenes/LayerSet.h"
#include "gui/scenes/LayeredAnimation.h"
#include "gui/scenes/SceneController.h"
#include "gui/scenes/SceneLibrary.h"
#include "gui/scenes/TextureLayerObject.h"
#include "tests/support/BoundScriptState.h"
#include "tests/support/ScopedLogFile.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

using namespace testing_support;

namespace {

const char* const kScenes = "<Mults>"
                            " <LayerSet name='Sea' do='SeaDo' reset='SeaReset'>"
                            "  <Layer name='Ships'>"
                            "   <Texture name='hull' width='40' height='10'/>"
                            "   <Texture name='hull' width='50' height='10'/>"
                            "   <Water name='water' speed='0.5'/>"
                            "  </Layer>"
                            " </LayerSet>"
                            " <LayerSet name='Sea' do='SecondDo'/>"
                            " <LayerSet name='Broken' do='NoSuchFunction' reset='FailingReset'/>"
                            "</Mults>";

const char* const kScript = "steps = {}\n"
                            "resets = 0\n"
                            "inits = 0\n"
                            "function SeaDo(dt) steps[#steps + 1] = dt end\n"
                            "function SeaReset() resets = resets + 1 end\n"
                            "function FailingReset() error('reset failed') end\n"
                            "function AnimationInit() inits = inits + 1 end\n";

class SceneScriptTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { OpenBoundScriptState(); }
    void SetUp() override
    {
        WriteTextFile(_dir.File("mults.xml"), kScenes);
        WriteTextFile(_dir.File("mult.lua"), kScript);
    }
    void TearDown() override
    {
        g_layerSets.Clear();
    }
    std::string Log() { return _log.Text(); }
    void Run(const std::string& chunk)
    {
        const int top = lua_gettop(g_luaState);
        EXPECT_TRUE(RunScriptString(chunk)) << Log();
        EXPECT_EQ(lua_gettop(g_luaState), top);
    }

    TempDir _dir;
    ScopedLogFile _log;
};

} // namespace

TEST_F(SceneScriptTest, LoadAnimationRunsTheScriptLoadsTheSetsAndInits)
{
    ScopedCurrentDir here(_dir.Path());
    LoadAnimation();
    Run("assert(inits == 1)");
    ASSERT_NE(g_layerSets.Find("Sea"), nullptr);
    // The registry keeps the first set; the global names the later one.
    EXPECT_EQ(g_layerSets.Find("Sea")->doFunction, "SeaDo");
    Run("assert(Sea.Ships == nil)");
    Run("assert(Broken.set ~= nil)");
}

TEST_F(SceneScriptTest, TheGlobalOfASecondSetOfATakenNameNamesALiveSet)
{
    ScopedCurrentDir here(_dir.Path());
    LoadAnimation();
    // The registry lists the first "Sea"; the global names the second, which
    // the registry keeps alive all the same.
    Run("assert(Sea.set:getLayer('Ships') == nil)\n"
        "Sea.set:setText('none')\n"
        "Sea.set:UploadResources()\n"
        "Sea.set:ReleaseResources()");
    EXPECT_EQ(g_layerSets.Find("Sea")->doFunction, "SeaDo");
    EXPECT_NE(g_layerSets.Find("Sea")->getLayer("Ships"), nullptr);
}

TEST_F(SceneScriptTest, TablesAndClassesReachLayersAndObjects)
{
    ScopedCurrentDir here(_dir.Path());
    LoadAnimation();
    LayerSet* sea = g_layerSets.Find("Sea");
    ASSERT_NE(sea, nullptr);
    sea->ExposeToScript(); // the global back on the first set
    Run("local layer = Sea.Ships.layer\n"
        "assert(layer == Sea.set:getLayer('Ships'))\n"
        "assert(Sea.set:getLayer('Nowhere') == nil)\n"
        "assert(layer:getObject('mast') == nil)\n"
        "layer.x = 5 layer.scale = 2 layer.isVisible = false\n"
        "local hull = Sea.Ships.hull\n"
        "hull.x = 1.5 hull.y = 2 hull.rotX = 3 hull.rotY = 4 hull.angle = 45 hull.scale = 0.5\n"
        "hull.isVisible = false hull.color = Color(10, 20, 30, 40)\n"
        "hull:Do('WrapH')\n"
        "assert(hull.x == 1.5 and hull.angle == 45)\n"
        "Sea.set:setText('none')");
    const AnimLayer& layer = *sea->layers[0];
    EXPECT_FLOAT_EQ(layer.x, 5.0f);
    EXPECT_FLOAT_EQ(layer.scale, 2.0f);
    EXPECT_FALSE(layer.isVisible);
    // The table holds the later of two objects of a name.
    auto* first = static_cast<TextureLayerObject*>(layer.objects[0].get());
    auto* second = static_cast<TextureLayerObject*>(layer.objects[1].get());
    EXPECT_FLOAT_EQ(first->x, 0.0f);
    EXPECT_FLOAT_EQ(second->x, 1.5f);
    EXPECT_FLOAT_EQ(second->rotY, 4.0f);
    EXPECT_FALSE(second->isVisible);
    EXPECT_EQ(second->color, Color(10, 20, 30, 40));
    EXPECT_TRUE(second->mirrorH);
    // getObject answers the first.
    EXPECT_EQ(layer.getObject("hull"), first);
}

TEST_F(SceneScriptTest, ControllerCallsDoWithTheFrameStepAndResetOnPlay)
{
    ScopedCurrentDir here(_dir.Path());
    LoadAnimation();
    Run("steps = {} resets = 0");
    TiXmlElement element("LayeredAnimation");
    LayeredAnimation widget("scene", &element);
    SceneController& controller = *widget.controller;
    // Active without Play: no script is called.
    widget.AcceptMessage(Message("Active", 1));
    controller.Update(0.02f);
    Run("assert(#steps == 0 and resets == 0)");
    widget.AcceptMessage(Message("Play", "Sea"));
    Run("assert(resets == 1)");
    // Through the manager: the scene gets the step the controllers get
    // (after the activation's step of 0).
    kernel.FlushPending();
    Run("assert(#steps == 1 and steps[1] == 0) steps = {}");
    kernel.Update(0.04f);
    Run("assert(#steps == 1 and math.abs(steps[1] - 0.04) < 1e-6)");
    widget.AcceptMessage(Message("Reset"));
    Run("assert(resets == 2)");
    kernel.StopControllersOf(&widget);
    kernel.Update(0.0f);
}

TEST_F(SceneScriptTest, ScriptFailuresAreLoggedAndTheFrameGoesOn)
{
    ScopedCurrentDir here(_dir.Path());
    WriteTextFile(_dir.File("mult.lua"), "function AnimationInit() error('init failed') end\n"
                                         "function FailingReset() error('reset failed') end\n");
    LoadAnimation();
    TiXmlElement element("LayeredAnimation");
    LayeredAnimation widget("scene", &element);
    widget.AcceptMessage(Message("Play", "Broken"));
    widget.AcceptMessage(Message("Active", 1));
    widget.controller->Update(0.02f);
    widget.controller->Update(0.02f);
    _log.Close();
    const std::string log = Log();
    EXPECT_NE(log.find("LUA Error calling [AnimationInit]"), std::string::npos) << log;
    EXPECT_NE(log.find("init failed"), std::string::npos);
    EXPECT_NE(log.find("LUA Error calling [FailingReset]"), std::string::npos);
    EXPECT_NE(log.find("LUA Error calling [NoSuchFunction]"), std::string::npos);
}

TEST_F(SceneScriptTest, MissingSceneFileLoadsNothing)
{
    ScopedCurrentDir here(_dir.Path());
    std::remove(_dir.File("mults.xml").c_str());
    LoadAnimation();
    EXPECT_EQ(g_layerSets.Size(), 0u);
}
