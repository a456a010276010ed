// The scene widget's messages and its controller, without a device or
// scripts.

#include "gui/WidgetFactory.h"
#include "gui/controllers/ControllerManager.h"
#include "gui/scenes/LayerSet.h"
#include "gui/scenes/LayeredAnimation.h"
#include "gui/scenes/SceneController.h"
#include "gui/scenes/SceneFile.h"
#include "gui/scenes/WaterLayerObject.h"
#include "tests/support/ScopedLogFile.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

#include <algorithm>

using namespace testing_support;

namespace {

const char* const kScenes = "<Mults>"
                            " <LayerSet name='Sea'><Layer name='Back'>"
                            "  <Water name='water' speed='1'/>"
                            " </Layer></LayerSet>"
                            " <LayerSet name='Sea'><Layer name='Back'>"
                            "  <Water name='water' speed='2'/>"
                            " </Layer></LayerSet>"
                            "</Mults>";

class LayeredAnimationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteTextFile(_dir.File("mults.xml"), kScenes);
        auto sets = ReadSceneFile(_dir.File("mults.xml"));
        _registered = sets[0].get();
        g_layerSets.Insert(std::move(sets[0]));
        TiXmlDocument document;
        document.Parse("<LayeredAnimation name='scene'><position x='20' y='580'/>"
                       "<textPosition x='255' y='-440'/></LayeredAnimation>");
        _widget.reset(static_cast<LayeredAnimation*>(CreateLayeredAnimation(document.RootElement())));
    }
    void TearDown() override
    {
        _widget.reset();
        kernel.FlushPending();
        kernel.Update(0.0f);
        g_layerSets.Clear();
    }

    static float WaterPhase(const LayerSet* set)
    {
        return static_cast<WaterLayerObject*>(set->layers[0]->objects[0].get())->phase;
    }

    TempDir _dir;
    ScopedLogFile _log;
    LayerSet* _registered = nullptr;
    std::unique_ptr<LayeredAnimation> _widget;
};

} // namespace

TEST_F(LayeredAnimationTest, StartsBlackShownAndIdleWithItsPlaces)
{
    EXPECT_EQ(_widget->name, "scene");
    EXPECT_EQ(_widget->position, Point(20, 580));
    EXPECT_EQ(_widget->offset, Point(20, 580));
    EXPECT_EQ(_widget->textPosition, Point(255, -440));
    EXPECT_TRUE(_widget->blackScreen);
    EXPECT_TRUE(_widget->shown);
    EXPECT_FALSE(_widget->playing);
    EXPECT_EQ(_widget->scene, nullptr);
    // Its controller waits in the manager.
    const auto& pending = kernel.Pending();
    EXPECT_NE(std::find(pending.begin(), pending.end(), _widget->controller), pending.end());
    EXPECT_EQ(_widget->controller->GetName(), "noname");
}

TEST_F(LayeredAnimationTest, FlagMessagesFollowTheirParameter)
{
    struct Case {
        const char* message;
        int param;
        bool LayeredAnimation::*flag;
        bool expected;
    };
    const Case cases[] = {
        {"Visible", 0, &LayeredAnimation::shown, false},      {"Visible", 1, &LayeredAnimation::shown, true},
        {"Visible", -3, &LayeredAnimation::shown, false},     {"Active", 1, &LayeredAnimation::playing, true},
        {"Active", 0, &LayeredAnimation::playing, false},     {"BlackScreen", 0, &LayeredAnimation::blackScreen, false},
        {"BlackScreen", 2, &LayeredAnimation::blackScreen, true},
    };
    for (const Case& c : cases) {
        _widget->AcceptMessage(Message(c.message, c.param));
        EXPECT_EQ((*_widget).*c.flag, c.expected) << c.message << " " << c.param;
    }
    // Other publishers, matched exactly, change nothing.
    _widget->AcceptMessage(Message("visible", 1));
    _widget->AcceptMessage(Message("Play ", "Sea"));
    EXPECT_FALSE(_widget->shown);
    EXPECT_EQ(_widget->scene, nullptr);
}

TEST_F(LayeredAnimationTest, PlayChoosesARegisteredSceneOrNone)
{
    _widget->AcceptMessage(Message("Play", "Sea"));
    EXPECT_EQ(_widget->scene, _registered);
    _widget->AcceptMessage(Message("Play", "Lagoon"));
    EXPECT_EQ(_widget->scene, nullptr);
    // Uploading without a scene does nothing.
    _widget->AcceptMessage(Message("UploadResources"));
    _widget->AcceptMessage(Message("ReleaseResources"));
}

TEST_F(LayeredAnimationTest, ControllerStepsOnlyAPlayingScene)
{
    SceneController& controller = *_widget->controller;
    _widget->AcceptMessage(Message("Active", 1));
    controller.Update(0.25f); // playing without a scene: nothing to move
    _widget->AcceptMessage(Message("Play", "Sea"));
    _widget->AcceptMessage(Message("Active", 0));
    controller.Update(0.25f);
    EXPECT_FLOAT_EQ(WaterPhase(_registered), 0.0f);
    _widget->AcceptMessage(Message("Active", 1));
    controller.Update(0.25f);
    EXPECT_FLOAT_EQ(WaterPhase(_registered), 0.25f);
    EXPECT_FALSE(controller.IsFinished());
}

TEST_F(LayeredAnimationTest, LoadBuildsAFreshSetEachTimeAndKeepsTheOldOne)
{
    ScopedCurrentDir here(_dir.Path());
    _widget->AcceptMessage(Message("Load", "Sea"));
    LayerSet* first = _widget->scene;
    ASSERT_NE(first, nullptr);
    EXPECT_NE(first, _registered);
    // The last set of the name in the file.
    EXPECT_EQ(first->layers[0]->objects.size(), 1u);
    _widget->AcceptMessage(Message("Active", 1));
    _widget->controller->Update(0.1f);
    EXPECT_FLOAT_EQ(WaterPhase(first), 0.2f);
    // A second load replaces it as the scene; the library keeps the first
    // (and frees it with the others when it is cleared: the leak check of
    // this test run would report it otherwise).
    _widget->AcceptMessage(Message("Load", "Sea"));
    ASSERT_NE(_widget->scene, nullptr);
    EXPECT_NE(_widget->scene, first);
    EXPECT_FLOAT_EQ(WaterPhase(_widget->scene), 0.0f);
    EXPECT_FLOAT_EQ(WaterPhase(first), 0.2f);
    EXPECT_EQ(g_layerSets.Find("Sea"), _registered);
    // A name the file lacks keeps the scene.
    LayerSet* kept = _widget->scene;
    _widget->AcceptMessage(Message("Load", "Lagoon"));
    EXPECT_EQ(_widget->scene, kept);
    // The widget going away leaves the sets it loaded to the library.
    _widget.reset();
    EXPECT_FLOAT_EQ(WaterPhase(first), 0.2f);
    EXPECT_FLOAT_EQ(WaterPhase(kept), 0.0f);
}

TEST_F(LayeredAnimationTest, DeletedWidgetLeavesItsControllerFinished)
{
    kernel.FlushPending();
    SceneController* controller = _widget->controller;
    _widget.reset();
    EXPECT_TRUE(controller->IsFinished());
    kernel.Update(0.1f); // removes and deletes it
    const auto& active = kernel.Active();
    EXPECT_EQ(std::find(active.begin(), active.end(), controller), active.end());
}
