// The controller factory and the built-in controllers, run by the global
// controller manager frame by frame as the main loop runs them.

#include "gui/InputMap.h"
#include "engine/script/ScriptHost.h"
#include "gui/GUIManager.h"
#include "gui/Layer.h"
#include "gui/ResourceAccess.h"
#include "gui/ScreenImpl.h"
#include "gui/Widget.h"
#include "gui/WidgetFactory.h"
#include "engine/render/FrameSequence.h"
#include "engine/render/Sprite.h"
#include "gui/controllers/AnimationPlayer.h"
#include "gui/controllers/ControllerFactory.h"
#include "gui/controllers/ControllerManager.h"
#include "gui/controllers/Fader.h"
#include "gui/controllers/WaterPhase.h"
#include "gui/controllers/WidgetMover.h"
#include "gui/tests/TestBox.h"
#include "tests/support/ScopedLogFile.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

#include <functional>
#include <string>
#include <vector>

using namespace testing_support;

namespace {

std::vector<std::string> g_journal;

// note(text) from scripts; "top" notes the current layer's name.
int Note(lua_State* L)
{
    const std::string text = lua_tostring(L, 1);
    g_journal.push_back(text == "top" ? "top " + Screen.GetTopLayerName() : text);
    return 0;
}

class RecordingGroups : public ResourceGroupService {
public:
    void UploadGroup(const std::string& group) override { g_journal.push_back("upload " + group); }
    void ReleaseGroup(const std::string& group) override { g_journal.push_back("release " + group); }
};

class BuiltInControllersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_journal.clear();
        if (!g_luaState)
            OpenScriptState();
        lua_register(g_luaState, "note", Note);
        RegisterControllerKinds();
        g_widgetFactory.Register("Box", CreateWidgetOfKind<TestBox>); // a plain box
        GuiResources::SetGroupService(&_groups);
        const std::string file = _dir.File("layers.xml");
        WriteTextFile(file, "<Gui>"
                            "<Layer name='Cross'><Controls><Box name='BlackScreen' width='800' height='600'/>"
                            "</Controls></Layer>"
                            "<Layer name='NoVeil'/>"
                            "<Layer name='Old'><Controls><Box name='button' width='10' height='10'/></Controls>"
                            "</Layer><Layer name='L1'/><Layer name='L2'/><Layer name='L3'/>"
                            "<Layer name='Page'><Controls>"
                            "<Box name='panel' x='100' y='100' width='50' height='50'><Controls>"
                            "<Box name='inner' x='10' y='0' width='5' height='5'/></Controls></Box>"
                            "</Controls></Layer>"
                            "</Gui>");
        GUI.LoadLayers(file);
    }

    void TearDown() override
    {
        // Whatever is still running ends before the next test.
        for (int i = 0; i < 20 && !(kernel.Active().empty() && kernel.Pending().empty()); ++i) {
            kernel.FlushPending();
            kernel.Update(1.0f);
        }
        Screen.ClearLayers();
        GuiResources::SetGroupService(nullptr);
    }

    // One frame of the main loop's controller steps.
    static void Frame(float dt)
    {
        if (kernel.HasPending())
            kernel.FlushPending();
        kernel.Update(dt);
        if (kernel.HasPending())
            kernel.FlushPending();
    }

    static Widget* WidgetOf(const char* layer, const char* widget) { return GUI.getLayer(layer)->getWidget(widget); }

    TempDir _dir;
    ScopedLogFile _log;
    RecordingGroups _groups;
};

using Names = std::vector<std::string>;

} // namespace

TEST_F(BuiltInControllersTest, ScriptFaderTakesHalfASecondAndGivesTheInputBack)
{
    Screen.pushLayer(GUI.getLayer("Page"));
    Widget* panel = WidgetOf("Page", "panel");
    Widget* inner = WidgetOf("Page", "inner");
    panel->color = Color(200, 100, 0, 255);
    VariableSet args;
    args.setWidget("Widget", panel);
    args.setColor("To", Color(0, 0, 0, 0));
    IController* fader = controlFactory.Create("Fader", args);
    ASSERT_NE(fader, nullptr);
    EXPECT_TRUE(g_inputWidgets.Empty());
    kernel.AddController(fader);

    kernel.FlushPending();
    EXPECT_EQ(panel->color, Color(200, 100, 0, 255));
    EXPECT_EQ(inner->color, Color(200, 100, 0, 255));
    Frame(0.25f);
    EXPECT_EQ(panel->color, Color(200, 100, 0, 255));
    Frame(0.25f);
    EXPECT_EQ(panel->color, Color(100, 50, 0, 128)); // a + trunc((b - a) x t)
    EXPECT_EQ(kernel.Active().size(), 1u);
    Frame(0.25f);
    EXPECT_EQ(panel->color, Color(0, 0, 0, 0));
    EXPECT_EQ(inner->color, Color(0, 0, 0, 0));
    EXPECT_TRUE(kernel.Active().empty());
    // No layer changed, yet the page hears the mouse again.
    EXPECT_EQ(g_inputWidgets.Size(), 2u);
}

TEST_F(BuiltInControllersTest, FaderPopsTheLayerBeforeItsEndHandlerRuns)
{
    RunScriptString("function FadeDone() note('top') end");
    Screen.pushLayer(GUI.getLayer("Old"));
    Screen.pushLayer(GUI.getLayer("Page"));
    VariableSet args;
    args.setWidget("Widget", WidgetOf("Page", "panel"));
    args.setColor("To", Color(0, 0, 0, 0));
    args.setBool("PopLayer", true);
    args.setString("EndHandler", "FadeDone");
    kernel.AddController(controlFactory.Create("Fader", args));
    for (int i = 0; i < 4; ++i)
        Frame(0.25f);
    EXPECT_EQ(g_journal, (Names{"top Old"}));
    EXPECT_EQ(Screen.GetTopLayerName(), "Old");
    EXPECT_NE(g_inputWidgets.Find("button"), nullptr);
}

TEST_F(BuiltInControllersTest, FaderWithAMissingEndHandlerLogsOnceAndFinishes)
{
    VariableSet args;
    args.setWidget("Widget", WidgetOf("Page", "panel"));
    args.setColor("To", Color(1, 2, 3, 4));
    args.setString("EndHandler", "NoSuchHandler");
    kernel.AddController(controlFactory.Create("Fader", args));
    for (int i = 0; i < 5; ++i)
        Frame(0.25f);
    EXPECT_TRUE(kernel.Active().empty());
    const std::string log = _log.Text();
    const std::string title = "LUA Error calling [NoSuchHandler]";
    const auto first = log.find(title);
    ASSERT_NE(first, std::string::npos);
    EXPECT_EQ(log.find(title, first + 1), std::string::npos);
    EXPECT_EQ(WidgetOf("Page", "panel")->color, Color(1, 2, 3, 4));
}

TEST_F(BuiltInControllersTest, CreateRefusesMissingOrMistypedArguments)
{
    struct Case {
        const char* kind;
        std::function<void(VariableSet&)> fill;
    };
    Widget* panel = WidgetOf("Page", "panel");
    const Case cases[] = {
        {"Fader", [&](VariableSet& v) { v.setColor("To", Color()); }},
        {"Fader", [&](VariableSet& v) { v.setString("Widget", "panel"); v.setColor("To", Color()); }},
        {"Fader", [&](VariableSet& v) { v.setWidget("Widget", nullptr); v.setColor("To", Color()); }},
        {"Fader", [&](VariableSet& v) { v.setWidget("Widget", panel); }},
        {"WidgetMover", [&](VariableSet& v) { v.setWidget("Widget", panel); v.setColor("To", Color()); }},
        {"WidgetMover", [&](VariableSet& v) { v.setPoint("To", Point()); }},
        {"CrossFade", [&](VariableSet& v) { v.setString("Layer2", "L2"); }},
        {"CrossFade", [&](VariableSet& v) { v.setString("Layer1", "NotLoaded"); }},
        {"CrossFade", [&](VariableSet& v) { v.setInt("Layer1", 3); }},
    };
    for (const Case& c : cases) {
        VariableSet args;
        c.fill(args);
        EXPECT_EQ(controlFactory.Create(c.kind, args), nullptr) << c.kind;
    }
    EXPECT_NE(_log.Text().find("Controller error"), std::string::npos);
    EXPECT_TRUE(Screen.GetStack().empty());
    EXPECT_EQ(Screen.GetCurrent(), nullptr);

    VariableSet none;
    EXPECT_EQ(controlFactory.Create("NoSuchKind", none), nullptr);
}

TEST_F(BuiltInControllersTest, CrossFadeNeedsTheVeilLayerAndItsBlackScreen)
{
    // The layer "Cross" is there, but without its black screen.
    Widget* veil = WidgetOf("Cross", "BlackScreen");
    ASSERT_NE(veil, nullptr);
    Layer* cross = GUI.getLayer("Cross");
    cross->widgets.erase("BlackScreen");
    VariableSet args;
    args.setString("Layer1", "L1");
    EXPECT_EQ(controlFactory.Create("CrossFade", args), nullptr);
    cross->widgets.emplace("BlackScreen", veil);

    // No layer "Cross" at all.
    auto taken = std::move(GUI.layers.at("Cross"));
    GUI.layers.erase("Cross");
    EXPECT_EQ(controlFactory.Create("CrossFade", args), nullptr);
    GUI.layers.emplace("Cross", std::move(taken));
    EXPECT_EQ(Screen.GetCurrent(), nullptr);
}

TEST_F(BuiltInControllersTest, CrossFadeToOneLayerSwapsAtFullBlackAndEndsAFrameLater)
{
    RunScriptString("function OnCross() note('cross ' .. 'handler') end function OnEnd() note('end') end");
    Screen.pushLayer(GUI.getLayer("Old"));
    VariableSet args;
    args.setString("Layer1", "L1");
    args.setString("CrossHandler", "OnCross");
    args.setString("EndHandler", "OnEnd");
    IController* crossFade = controlFactory.Create("CrossFade", args);
    ASSERT_NE(crossFade, nullptr);
    EXPECT_EQ(Screen.GetTopLayerName(), "Cross");
    kernel.AddController(crossFade);
    Widget* veil = WidgetOf("Cross", "BlackScreen");

    kernel.FlushPending();
    EXPECT_EQ(veil->color, Color(0, 0, 0, 0));
    Frame(0.25f);
    EXPECT_EQ(veil->color.a, 127);
    EXPECT_TRUE(g_journal.empty());
    Frame(0.25f);
    EXPECT_EQ(g_journal, (Names{"release Old", "upload L1", "cross handler"}));
    EXPECT_EQ(veil->color.a, 255);
    EXPECT_EQ(Screen.GetTopLayerName(), "Cross");
    Frame(0.25f);
    EXPECT_EQ(veil->color.a, 128);
    Frame(0.25f);
    EXPECT_EQ(Screen.GetTopLayerName(), "L1");
    EXPECT_TRUE(Screen.GetStack().empty());
    EXPECT_EQ(g_journal.size(), 3u);
    Frame(0.25f);
    EXPECT_EQ(g_journal.back(), "end");
    EXPECT_TRUE(kernel.Active().empty());
}

TEST_F(BuiltInControllersTest, CrossFadeToThreeLayersStacksThemInOrder)
{
    Screen.pushLayer(GUI.getLayer("Old"));
    VariableSet args;
    args.setString("Layer1", "L1");
    args.setString("Layer2", "L2");
    args.setString("Layer3", "L3");
    kernel.AddController(controlFactory.Create("CrossFade", args));
    for (int i = 0; i < 6; ++i)
        Frame(0.25f);
    EXPECT_EQ(Screen.GetTopLayerName(), "L3");
    ASSERT_EQ(Screen.GetStack().size(), 2u);
    EXPECT_EQ(Screen.GetStack().front()->name, "L1");
    EXPECT_EQ(Screen.GetStack().back()->name, "L2");
    EXPECT_EQ(g_journal, (Names{"release Old", "upload L1", "upload L2", "upload L3"}));
}

TEST_F(BuiltInControllersTest, MoverStepsAlongAndItsChildrenKeepTheirOffsets)
{
    Widget* panel = WidgetOf("Page", "panel");
    Widget* inner = WidgetOf("Page", "inner");
    panel->SetPosition(Point(100, 100));
    const Point innerOffset = inner->offset;
    VariableSet args;
    args.setWidget("Widget", panel);
    args.setPoint("To", Point(300, 100));
    kernel.AddController(controlFactory.Create("WidgetMover", args));

    std::vector<int> xs;
    kernel.FlushPending();
    xs.push_back(panel->position.x);
    for (int i = 0; i < 5; ++i) {
        Frame(0.25f);
        xs.push_back(panel->position.x);
        EXPECT_EQ(panel->position.y, 500);
        EXPECT_EQ(inner->position, panel->position + innerOffset);
    }
    EXPECT_EQ(xs, (std::vector<int>{100, 100, 150, 200, 250, 300}));
    EXPECT_TRUE(kernel.Active().empty());
}

TEST_F(BuiltInControllersTest, MoverWithPopLayerPopsWhenItArrives)
{
    Screen.pushLayer(GUI.getLayer("Old"));
    Screen.pushLayer(GUI.getLayer("Page"));
    VariableSet args;
    args.setWidget("Widget", WidgetOf("Page", "panel"));
    args.setPoint("To", Point(0, 0));
    args.setBool("PopLayer", true);
    kernel.AddController(controlFactory.Create("WidgetMover", args));
    for (int i = 0; i < 4; ++i)
        Frame(0.5f);
    EXPECT_EQ(Screen.GetTopLayerName(), "Old");
    EXPECT_EQ(WidgetOf("Page", "panel")->position, Point(0, 600));
}

TEST_F(BuiltInControllersTest, WaterPhaseWrapsNeverEndsAndLeavesTheManagerWithItsWidget)
{
    {
        WaterPhase phase;
        kernel.AddController(&phase);
        Frame(25.0f);
        EXPECT_FLOAT_EQ(phase._phase, 0.5f);
        Frame(30.0f);
        EXPECT_NEAR(phase._phase, 0.1f, 1e-5f);
        EXPECT_FALSE(phase.IsFinished());
        EXPECT_EQ(kernel.Active().size(), 1u);
    }
    EXPECT_TRUE(kernel.Active().empty());
    Frame(1.0f);
}

TEST_F(BuiltInControllersTest, AnimationPlayerKeepsTheLastFrameAndEndsTheFrameAfter)
{
    FrameSequence sequence("anim\\", "fish", "png", 3, 0, 1);
    Widget widget("animation");
    Sprite* picture = nullptr;
    kernel.AddController(new AnimationPlayer(&widget, &picture, &sequence, 0.1f, false));
    std::vector<Sprite*> shown;
    kernel.FlushPending();
    shown.push_back(picture);
    for (int i = 0; i < 4; ++i) {
        Frame(0.1f);
        shown.push_back(picture);
    }
    const auto frame = [&](int i) { return sequence.frames[static_cast<std::size_t>(i)].get(); };
    EXPECT_EQ(shown, (std::vector<Sprite*>{frame(0), frame(0), frame(1), frame(2), frame(2)}));
    EXPECT_EQ(kernel.Active().size(), 1u);
    Frame(0.1f);
    EXPECT_TRUE(kernel.Active().empty());
    EXPECT_EQ(picture, frame(2));
}

TEST_F(BuiltInControllersTest, AnimationPlayerEdgeCasesNeitherDivideNorIndexPastTheEnd)
{
    FrameSequence none("anim\\", "fish", "png", 0, 0, 1);
    FrameSequence two("anim\\", "fish", "png", 2, 0, 1);
    Widget widget("animation");
    Sprite* picture = nullptr;

    AnimationPlayer empty(&widget, &picture, &none, 0.1f, false);
    empty.Update(0.0f);
    EXPECT_TRUE(empty.IsFinished());
    EXPECT_EQ(picture, nullptr);

    AnimationPlayer instant(&widget, &picture, &two, 0.0f, false);
    instant.Update(0.0f);
    EXPECT_TRUE(instant.IsFinished());
    EXPECT_EQ(picture, two.frames[1].get());

    AnimationPlayer looping(&widget, &picture, &two, 0.5f, true);
    for (int i = 0; i < 10; ++i)
        looping.Update(0.5f);
    EXPECT_FALSE(looping.IsFinished());
}
