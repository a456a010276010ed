// The script API as scripts see it: each case is a Lua chunk that checks its
// own results with assert; a failing assert is logged and fails the test.
#include "engine/platform/HtmlLog.h"
#include "engine/script/ScriptHost.h"
#include "gui/controllers/ControllerManager.h"
#include "gui/script_api/ScriptBindings.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

class ScriptApiTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        OpenScriptState();
        RegisterScriptBindings(g_luaState);
    }
    TempDir dir;
    void SetUp() override { g_log.Open(dir.File("log.htm"), true); }
    void TearDown() override { g_log.Close(); }
    std::string Log() { return ReadTextFile(dir.File("log.htm")); }
    void Run(const char* chunk)
    {
        const int top = lua_gettop(g_luaState);
        EXPECT_TRUE(RunScriptString(chunk)) << Log();
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
