// The script API as scripts see it: each case is a Lua chunk that checks its
// own results with assert; a failing assert is logged and fails the test.
#include "engine/script/ScriptHost.h"
#include "gui/GUIManager.h"
#include "gui/Message.h"
#include "gui/ScreenImpl.h"
#include "gui/WidgetFactory.h"
#include "gui/controllers/ControllerManager.h"
#include "gui/script_api/ScriptBindings.h"
#include "tests/support/BoundScriptState.h"
#include "tests/support/ScopedLogFile.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

class ScriptApiTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        RegisterGuiFactories();
        OpenBoundScriptState();
    }
    TempDir dir;
    ScopedLogFile logFile;
    void Run(const char* chunk)
    {
        const int top = lua_gettop(g_luaState);
        EXPECT_TRUE(RunScriptString(chunk)) << logFile.Text();
        EXPECT_EQ(lua_gettop(g_luaState), top);
    }
};

} // namespace

TEST_F(ScriptApiTest, GlobalObjectsAreSet)
{
    Run("assert(Sound ~= nil and kernel ~= nil and gameInfo ~= nil)");
}

TEST_F(ScriptApiTest, MathFunctions)
{
    Run("assert(lerp(2, 4, 0.5) == 3)\n"
        "assert(math.abs(getPeriod(7.5, 2) - 1.5) < 1e-6)\n"
        "assert(ease(0, 0.3, 0.3) == 0)\n"
        "assert(math.abs(ease(1, 0.3, 0.3) - 1) < 1e-5)");
}

TEST_F(ScriptApiTest, SplineKeysAndFrames)
{
    Run("local s = Spline()\n"
        "s:addKey(0) s:addKey(10) s:addKey(20)\n"
        "s:CalculateGradient(false)\n"
        "assert(s:getSectors() == 2)\n"
        "assert(s:getFrame(0, 0) == 0)\n"
        "assert(s:getFrame(1, 1) == 20)\n"
        "assert(math.abs(s:getGlobalFrame(0.5) - 10) < 1e-4)\n"
        "s:Clear()\n"
        "assert(s:getSectors() == -1 or s:getSectors() == 0)");
}

TEST_F(ScriptApiTest, MessageConstructorForms)
{
    Run("local a = Message('pub', 5)\n"
        "assert(a:getIntegerParam() == 5 and a:getData() == '')\n"
        "local b = Message('pub', '5')\n"
        "assert(b:getData() == '5' and b:getIntegerParam() == 0)\n"
        "local c = Message('pub', 'data', 7)\n"
        "assert(c:is('pub') and c:is('pub', 'data') and not c:is('other'))\n"
        "c:getVariables():setInt('n', 3)\n"
        "assert(c:getVariables():getInt('n') == 3)");
}

TEST_F(ScriptApiTest, SoundCallsAreHarmlessWithoutADevice)
{
    Run("Sound:PlaySample('ChipSelect')\n"
        "Sound:FadeInTrack('menu', 1.0, true)\n"
        "Sound:FadeOutAllTracks(0.5)\n"
        "Sound:SetSoundVolume(50)\n"
        "Sound:SetMusicVolume(40)\n"
        "Sound:StopTrack('menu')");
}

TEST_F(ScriptApiTest, GameStateNamesThatShareAnOperation)
{
    Run("assert(gameInfo:getNumOfWiseTips() == gameInfo:getWiseTipNumber())\n"
        "gameInfo:setWiseTipNumber(3)\n"
        "assert(gameInfo:getNumOfWiseTips() == 3)");
}

// Layers, the screen, widgets and controllers through the script globals.
TEST_F(ScriptApiTest, LayersScreenAndControllersFromScripts)
{
    WriteTextFile(dir.File("inc.lua"),
                  "handled = 0\n"
                  "function OnMain(message)\n"
                  "  handled = handled + 1\n"
                  "  if message:is('Bad') then return message:getVariables():getInt('text') end\n"
                  "end\n");
    WriteTextFile(dir.File("layers.xml"),
                  "<Layers><include>inc.lua</include>"
                  "<Layer name=\"Main\"><Controls><Text name=\"Caption\" /></Controls><Script>OnMain</Script></Layer>"
                  "<Layer name=\"Second\" /></Layers>");
    ScopedCurrentDir cwd(dir.Path());
    Screen.ClearLayers();
    Run("assert(GUI:getLayer('Main') == nil)\n"
        "GUI:LoadLayers('layers.xml')\n"
        "assert(handled == 0)\n"
        "local main = GUI:getLayer('Main')\n"
        "assert(main ~= nil and GUI:getLayer('Nope') == nil)\n"
        "Screen:pushLayer(main)\n"
        "Screen:pushLayer(GUI:getLayer('Second'))\n"
        "Screen:popLayer()\n"
        "local caption = main:getWidget('Caption')\n"
        "assert(caption ~= nil and main:getWidget('Missing') == nil)\n"
        "local args = VariableSet()\n"
        "args:setWidget('Widget', caption)\n"
        "args:setColor('To', Color(10, 20, 30, 40))\n"
        "local fader = controlFactory:Create('Fader', args)\n"
        "assert(fader ~= nil)\n"
        "kernel:addController(fader)\n"
        "assert(controlFactory:Create('NoSuchKind', args) == nil)");
    EXPECT_EQ(Screen.GetTopLayerName(), "Main");
    ASSERT_TRUE(kernel.HasPending());
    kernel.FlushPending();
    kernel.Update(0.3f);
    kernel.Update(0.3f);
    kernel.Update(0.0f);
    EXPECT_TRUE(kernel.Active().empty());

    // The handler gets queued messages; a wrong-kind getter inside it is a
    // script error that is logged, and the next message still arrives.
    Message bad("Bad");
    bad.getVariables().setString("text", "not a number");
    PostMessage(bad);
    PostMessage(Message("Good"));
    Screen.DispatchMessages();
    lua_getglobal(g_luaState, "handled");
    EXPECT_EQ(lua_tonumber(g_luaState, -1), 2);
    lua_pop(g_luaState, 1);
    EXPECT_NE(logFile.Text().find("LUA Error calling [OnMain]"), std::string::npos);
    Screen.ClearLayers();
}
