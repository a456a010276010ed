// Layer files through the GUI manager: includes, backgrounds, nested
// controls, handlers, duplicates and removing widgets at run time.

#include "app/GameParts.h"
#include "TestBox.h"

#include "engine/platform/Application.h"
#include "engine/platform/Settings.h"
#include "gui/InputMap.h"
#include "engine/script/ScriptHost.h"
#include "game/state/GameInfo.h"
#include "gui/GUIManager.h"
#include "gui/Layer.h"
#include "gui/LayerHandler.h"
#include "gui/WidgetFactory.h"
#include "gui/WidgetKindHooks.h"
#include "gui/controllers/ControllerManager.h"
#include "gui/controllers/WidgetMover.h"
#include "gui/widgets/WidgetCreators.h"
#include "tests/support/BoundScriptState.h"
#include "tests/support/ScopedLogFile.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

class LayerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestBox::Register();
        TestBox::Created() = 0;
        g_inputWidgets.Clear();
        OpenBoundScriptState();
    }

    void TearDown() override { g_inputWidgets.Clear(); }

    std::string Write(const std::string& name, const std::string& text)
    {
        const std::string path = _dir.File(name);
        WriteTextFile(path, text);
        return path;
    }

    static int LuaNumber(const char* name)
    {
        lua_getglobal(g_luaState, name);
        const int value = static_cast<int>(lua_tointeger(g_luaState, -1));
        lua_pop(g_luaState, 1);
        return value;
    }

    TempDir _dir;
    ScopedLogFile _log;
    Core::GUIManager _gui;
};

} // namespace

TEST_F(LayerTest, IncludesRunBeforeAnyLayerEvenWhenTheyComeLast)
{
    const std::string script = Write("a.lua", "runs = (runs or 0) + 1\nseenBoxes = created\n");
    const std::string file = Write("layers.xml", "<Gui><Layer name='Menu'><Controls><TestBox name='box'/></Controls>"
                                                 "</Layer><include>" + script + "</include></Gui>");
    RunScriptString("created = 0");
    _gui.LoadLayers(file);
    EXPECT_EQ(LuaNumber("runs"), 1);
    EXPECT_EQ(LuaNumber("seenBoxes"), 0);
    ASSERT_NE(_gui.getLayer("Menu"), nullptr);
    EXPECT_NE(_log.Text().find("Load GUI"), std::string::npos);

    // Loading again runs the script again but builds nothing.
    Layer* first = _gui.getLayer("Menu");
    _gui.LoadLayers(file);
    EXPECT_EQ(LuaNumber("runs"), 2);
    EXPECT_EQ(_gui.getLayer("Menu"), first);
    EXPECT_EQ(TestBox::Created(), 1);
}

TEST_F(LayerTest, UnreadableFileIsLoggedAndRegistersNothing)
{
    _gui.LoadLayers(_dir.File("missing.xml"));
    _gui.LoadLayers(Write("broken.xml", "<Gui><Layer name='A'>"));
    EXPECT_TRUE(_gui.layers.empty());
    EXPECT_NE(_log.Text().find("GUI file load error"), std::string::npos);
}

TEST_F(LayerTest, LaterHandlerElementReplacesTheEarlierOne)
{
    _gui.LoadLayers(Write("h.xml", "<Gui>"
                                   "<Layer name='ScriptWins'><Handler>x</Handler><Script>OnMenu</Script></Layer>"
                                   "<Layer name='HandlerWins'><Script>OnMenu</Script><Handler>x</Handler></Layer>"
                                   "<Layer name='EmptyIgnored'><Handler/><Script/></Layer></Gui>"));
    auto* script = dynamic_cast<ScriptHandler*>(_gui.getLayer("ScriptWins")->GetHandler());
    ASSERT_NE(script, nullptr);
    EXPECT_EQ(script->functionName, "OnMenu");
    EXPECT_EQ(script->owner, _gui.getLayer("ScriptWins"));
    LayerHandler* plain = _gui.getLayer("HandlerWins")->GetHandler();
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(dynamic_cast<ScriptHandler*>(plain), nullptr);
    EXPECT_EQ(_gui.getLayer("EmptyIgnored")->GetHandler(), nullptr);
}

TEST_F(LayerTest, ScriptHandlerCallsTheFunctionWithTheMessageAndLogsAMissingOne)
{
    RunScriptString("function OnMenu(m) got = (got or '') .. m:getPublisher() .. '/' .. m:getData() .. ';' end");
    _gui.LoadLayers(Write("s.xml", "<Gui><Layer name='A'><Script>OnMenu</Script></Layer>"
                                   "<Layer name='B'><Script>NoSuchFunction</Script></Layer></Gui>"));
    _gui.getLayer("A")->GetHandler()->HandleMessage(Message("play", "press"));
    lua_getglobal(g_luaState, "got");
    EXPECT_STREQ(lua_tostring(g_luaState, -1), "play/press;");
    lua_pop(g_luaState, 1);

    const int top = lua_gettop(g_luaState);
    _gui.getLayer("B")->GetHandler()->HandleMessage(Message("x"));
    _gui.getLayer("B")->GetHandler()->HandleMessage(Message("y"));
    EXPECT_EQ(lua_gettop(g_luaState), top);
    const std::string log = _log.Text();
    const std::string title = "LUA Error calling [NoSuchFunction]";
    const auto first = log.find(title);
    ASSERT_NE(first, std::string::npos);
    EXPECT_NE(log.find(title, first + 1), std::string::npos);
}

TEST_F(LayerTest, UnknownKindsTakeTheirNestedControlsAlong)
{
    _gui.LoadLayers(Write("u.xml", "<Gui><Layer name='A'><Controls>"
                                   "<Mystery name='m'><Controls><TestBox name='inner'/></Controls></Mystery>"
                                   "<testbox name='lower'/><TestBox/><TestBox name='kept'/>"
                                   "</Controls></Layer></Gui>"));
    Layer* layer = _gui.getLayer("A");
    ASSERT_EQ(layer->widgets.size(), 1u);
    EXPECT_NE(layer->getWidget("kept"), nullptr);
    EXPECT_EQ(layer->getWidget("inner"), nullptr);
    EXPECT_EQ(layer->getWidget("nothing"), nullptr);
    EXPECT_EQ(layer->widgets.size(), 1u);
    EXPECT_EQ(layer->getWidget("kept")->layerName, "A");
}

TEST_F(LayerTest, AScreenKindInstalledAfterTheRegistrationStepIsBuilt)
{
    RegisterGuiFactories();
    SetOutsideWidgetCreator("ProfileButton", CreateWidgetOfKind<TestBox>);
    _gui.LoadLayers(Write("late.xml", "<Gui><Layer name='Profiles'><Controls>"
                                      "<ProfileButton name='first' width='40'/></Controls></Layer></Gui>"));
    SetOutsideWidgetCreator("ProfileButton", nullptr);
    Layer* layer = _gui.getLayer("Profiles");
    ASSERT_NE(layer, nullptr);
    Widget* button = layer->getWidget("first");
    ASSERT_NE(button, nullptr);
    EXPECT_NE(dynamic_cast<TestBox*>(button), nullptr);
    EXPECT_EQ(button->size.x, 40);

    // A screen kind nobody installed is left out with a log line, not silently.
    _gui.LoadLayers(Write("none.xml", "<Gui><Layer name='Saver'><Controls>"
                                      "<SSView name='view'/><TestBox name='kept'/></Controls></Layer></Gui>"));
    Layer* saver = _gui.getLayer("Saver");
    ASSERT_NE(saver, nullptr);
    EXPECT_EQ(saver->getWidget("view"), nullptr);
    EXPECT_NE(saver->getWidget("kept"), nullptr);
    EXPECT_NE(_log.Text().find("widget kind &quot;SSView&quot;"), std::string::npos);
}

TEST_F(LayerTest, DuplicateLayerIsNotBuiltAndDuplicateWidgetIsNotAdded)
{
    _gui.LoadLayers(Write("one.xml", "<Gui><Layer name='A'><Controls><TestBox name='w' width='5'/>"
                                     "<TestBox name='w' width='7'/></Controls></Layer></Gui>"));
    EXPECT_EQ(TestBox::Created(), 2);
    _gui.LoadLayers(Write("two.xml", "<Gui><Layer name='A'><Controls><TestBox name='x'/></Controls></Layer>"
                                     "<Layer name='B'/></Gui>"));
    // The second "A" was never built: none of its widgets were made.
    EXPECT_EQ(TestBox::Created(), 2);
    Layer* a = _gui.getLayer("A");
    ASSERT_EQ(a->widgets.size(), 1u);
    EXPECT_EQ(a->getWidget("w")->size.x, 5);
    EXPECT_EQ(a->getWidget("x"), nullptr);
    EXPECT_NE(_gui.getLayer("B"), nullptr);
}

TEST_F(LayerTest, AskingForALayerBeforeItIsLoadedDoesNotBlockIt)
{
    EXPECT_EQ(_gui.getLayer("Later"), nullptr);
    EXPECT_TRUE(_gui.layers.empty());
    _gui.LoadLayers(Write("later.xml", "<Gui><Layer name='Later'/></Gui>"));
    EXPECT_NE(_gui.getLayer("Later"), nullptr);
}

TEST_F(LayerTest, NestedChildrenAreLinkedByTheParentFormula)
{
    // The parent: 200 x 100 with its top at y = 100 from the top, so its
    // bottom edge is at 400 on the screen.
    _gui.LoadLayers(Write("n.xml", "<Gui><Layer name='A'><Controls>"
                                   "<TestBox name='parent' x='50' y='100' width='200' height='100'><Controls>"
                                   "<TestBox name='child' x='10' y='0' width='20' height='30'><Controls>"
                                   "<TestBox name='grandchild' x='1' y='0' width='5' height='5'/>"
                                   "</Controls></TestBox>"
                                   "</Controls></TestBox>"
                                   "</Controls></Layer></Gui>"));
    Layer* layer = _gui.getLayer("A");
    Widget* parent = layer->getWidget("parent");
    Widget* child = layer->getWidget("child");
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(parent->position, Point(50, 400));
    EXPECT_EQ(child->parent, parent);
    ASSERT_EQ(parent->children.size(), 1u);
    EXPECT_EQ(parent->children[0], child);
    // The child's top edge is the parent's top edge; x is parent-based.
    EXPECT_EQ(child->position.y + child->size.y, parent->position.y + parent->size.y);
    EXPECT_EQ(child->position.x, 60);
    EXPECT_EQ(child->offset, Point(10, 70));
    EXPECT_EQ(child->rect.x, child->position.x);
    EXPECT_EQ(child->rect.y, child->position.y);
    EXPECT_EQ(parent->parent, nullptr);
}

TEST_F(LayerTest, RemoveWidgetLeavesInputAndStopsControllersOfEveryDeletedWidget)
{
    _gui.LoadLayers(Write("r.xml", "<Gui><Layer name='A'><Controls>"
                                   "<TestBox name='parent' width='100' height='100'><Controls>"
                                   "<TestBox name='child' width='10' height='10'><Controls>"
                                   "<TestBox name='grandchild' width='5' height='5'/></Controls></TestBox>"
                                   "</Controls></TestBox><TestBox name='other'/>"
                                   "</Controls></Layer></Gui>"));
    Layer* layer = _gui.getLayer("A");
    g_inputWidgets.Clear();
    layer->RegisterInput();
    ASSERT_EQ(g_inputWidgets.Size(), 4u);

    Widget* child = layer->getWidget("child");
    Widget* grandchild = layer->getWidget("grandchild");
    kernel.AddController(new WidgetMover(child, Point(300, 300), false));
    kernel.FlushPending();
    kernel.AddController(new WidgetMover(grandchild, Point(300, 300), false)); // still pending

    layer->RemoveWidget("nothing");
    EXPECT_EQ(layer->widgets.size(), 4u);

    layer->RemoveWidget("parent");
    EXPECT_EQ(layer->widgets.size(), 1u);
    EXPECT_NE(layer->getWidget("other"), nullptr);
    EXPECT_EQ(g_inputWidgets.Size(), 1u);
    EXPECT_NE(g_inputWidgets.Find("other"), nullptr);

    // Neither mover touches its deleted widget again (ASan watches), and both go.
    kernel.FlushPending();
    kernel.Update(0.5f);
    kernel.Update(0.5f);
    EXPECT_TRUE(kernel.Active().empty());
    EXPECT_TRUE(kernel.Pending().empty());
}

TEST_F(LayerTest, RemovingAChildUnlinksItFromItsParent)
{
    _gui.LoadLayers(Write("c.xml", "<Gui><Layer name='A'><Controls>"
                                   "<TestBox name='parent' width='100' height='100'><Controls>"
                                   "<TestBox name='a'/><TestBox name='b'/></Controls></TestBox>"
                                   "</Controls></Layer></Gui>"));
    Layer* layer = _gui.getLayer("A");
    layer->RemoveWidget("a");
    Widget* parent = layer->getWidget("parent");
    ASSERT_EQ(parent->children.size(), 1u);
    EXPECT_EQ(parent->children[0]->name, "b");
}

TEST_F(LayerTest, ExitConfirmationsReachTheirTextsInBothLayers)
{
    GUI.LoadLayers(Write("exit.xml", "<Gui><Layer name='ExitGame'><Controls><TestBox name='ConfirmText'/></Controls>"
                                     "</Layer><Layer name='ExitGameNoLostLife'><Controls>"
                                     "<TestBox name='ConfirmText'/></Controls></Layer></Gui>"));
    ConnectConfirmationTexts();
    gameInfo.ShowEndGameConfirmation();
    for (const char* layer : {"ExitGame", "ExitGameNoLostLife"}) {
        auto* text = static_cast<TestBox*>(GUI.getLayer(layer)->getWidget("ConfirmText"));
        EXPECT_EQ(text->messages, (std::vector<std::string>{"SetText:EndGame"})) << layer;
    }
}

TEST_F(LayerTest, APictureThatGivesNothingIsLoggedOnceWithItsName)
{
    g_widgetFactory.Register("Panel", CreatePanel);
    g_widgetFactory.Register("Button", CreateButton);
    const bool pairs = g_settings.useJpegPairs;
    g_settings.useJpegPairs = false;
    const std::string file = _dir.File("gone.png");
    const struct {
        const char* what;
        std::string controls;
        std::string background;
        std::string line;
    } cases[] = {
        {"background by id", "", "#NoSuchBack", "Can't load texture #NoSuchBack. No picture is registered"},
        {"background by file", "", file, "Can't load texture " + file + ". Error while opening file."},
        {"panel by id", "<Panel name='p'><texture name='#NoSuchPanel'/></Panel>", "",
         "Can't load texture #NoSuchPanel. No picture is registered"},
        {"panel by file", "<Panel name='p'><texture name='" + file + "'/></Panel>", "",
         "Can't load texture " + file + ". Error while opening file."},
        {"button state", "<Button name='b'><state normal='#NoSuchButton'/></Button>", "",
         "Can't load texture #NoSuchButton. No picture is registered"},
    };
    int index = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string layerName = "Page" + std::to_string(index++);
        std::string xml = "<Gui><Layer name='" + layerName + "'>";
        if (!c.background.empty())
            xml += "<Background><texture name='" + c.background + "'/></Background>";
        xml += "<Controls>" + c.controls + "</Controls></Layer></Gui>";
        const std::size_t before = _log.Text().size();
        _gui.LoadLayers(Write(layerName + ".xml", xml));
        ASSERT_NE(_gui.getLayer(layerName), nullptr);
        EXPECT_EQ(_gui.getLayer(layerName)->background, nullptr);
        const std::string logged = _log.Text().substr(before);
        const std::size_t first = logged.find("Can't load texture");
        EXPECT_NE(logged.find(c.line), std::string::npos) << logged;
        EXPECT_EQ(logged.find("Can't load texture", first + 1), std::string::npos) << logged;
    }
    g_settings.useJpegPairs = pairs;
}
