#include "engine/script/ScriptHost.h"

#include "tests/support/ScopedLogFile.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

class ScriptHostTest : public ::testing::Test {
protected:
    TempDir dir;
    ScopedLogFile logFile;
    void SetUp() override { OpenScriptState(); }
    int Count(const std::string& needle)
    {
        const std::string text = logFile.Text();
        int n = 0;
        for (auto pos = text.find(needle); pos != std::string::npos; pos = text.find(needle, pos + 1))
            ++n;
        return n;
    }
    double Global(const char* name)
    {
        lua_getglobal(g_luaState, name);
        const double v = lua_tonumber(g_luaState, -1);
        lua_pop(g_luaState, 1);
        return v;
    }
};

} // namespace

TEST_F(ScriptHostTest, OnlyTheSafeLibrariesAreOpen)
{
    ASSERT_TRUE(RunScriptString(
        "closed = (io == nil and os == nil and table == nil and package == nil and debug == nil and require == nil)"
        " and 1 or 0\n"
        "open = (string ~= nil and math ~= nil and coroutine ~= nil and print ~= nil) and 1 or 0"));
    EXPECT_EQ(Global("closed"), 1);
    EXPECT_EQ(Global("open"), 1);
}

TEST_F(ScriptHostTest, SyntaxErrorIsLoggedAndTheNextStringRuns)
{
    const int top = lua_gettop(g_luaState);
    EXPECT_FALSE(RunScriptString("x = = 1"));
    EXPECT_TRUE(RunScriptString("after = 5"));
    EXPECT_EQ(Global("after"), 5);
    EXPECT_EQ(Count("LUA ERROR : "), 1);
    EXPECT_EQ(lua_gettop(g_luaState), top);
}

TEST_F(ScriptHostTest, EmptyScriptRunsSilently)
{
    EXPECT_TRUE(RunScriptString(""));
    EXPECT_EQ(Count("LUA"), 0);
}

TEST_F(ScriptHostTest, FileErrorsCarryTheirTitles)
{
    WriteTextFile(dir.File("bad.lua"), "local x = \r\n");
    WriteTextFile(dir.File("fails.lua"), "error('boom')\r\n");
    WriteTextFile(dir.File("Good.lua"), "good = 1\r\n");
    ScopedCurrentDir cwd(dir.Path());
    const int top = lua_gettop(g_luaState);
    EXPECT_FALSE(RunScriptFile("bad.lua"));
    EXPECT_FALSE(RunScriptFile("missing.lua"));
    EXPECT_FALSE(RunScriptFile("fails.lua"));
    EXPECT_TRUE(RunScriptFile("good.lua")); // any letter case
    EXPECT_EQ(Count("LUA COMPILE ERROR : "), 2);
    EXPECT_EQ(Count("LUA RUN ERROR [fails.lua] : "), 1);
    EXPECT_NE(logFile.Text().find("boom"), std::string::npos);
    EXPECT_NE(logFile.Text().find("cannot open"), std::string::npos);
    EXPECT_EQ(Global("good"), 1);
    EXPECT_EQ(lua_gettop(g_luaState), top);
}

TEST_F(ScriptHostTest, FailingHandlerIsLoggedOnceByNameAndTheNextCallRuns)
{
    ASSERT_TRUE(RunScriptString("calls = 0\n"
                                "function Handler(n) calls = calls + 1; if n == 1 then error('bad message') end end"));
    const int top = lua_gettop(g_luaState);
    EXPECT_FALSE(CallScriptFunction("Handler", 1));
    EXPECT_TRUE(CallScriptFunction("Handler", 2));
    EXPECT_EQ(Global("calls"), 2);
    EXPECT_EQ(Count("LUA Error calling [Handler] : "), 1);
    EXPECT_EQ(lua_gettop(g_luaState), top);
}

TEST_F(ScriptHostTest, NonStringErrorObjectGetsAFallbackText)
{
    ASSERT_TRUE(RunScriptString("function Raise() error({}) end"));
    const int top = lua_gettop(g_luaState);
    EXPECT_FALSE(CallScriptFunction("Raise"));
    EXPECT_NE(logFile.Text().find("LUA Error calling [Raise] : </B></Font><Font Size = 1 Color = Black Face = Verdana>"
                         "(error object is a table value)"),
              std::string::npos);
    EXPECT_FALSE(RunScriptString("error(nil)"));
    EXPECT_EQ(lua_gettop(g_luaState), top);
}

TEST_F(ScriptHostTest, MissingFunctionIsLogged)
{
    EXPECT_FALSE(CallScriptFunction("NoSuchFunction"));
    EXPECT_EQ(Count("LUA Error calling [NoSuchFunction]"), 1);
}

TEST_F(ScriptHostTest, ACallObjectCallsAtMostOnce)
{
    ASSERT_TRUE(RunScriptString("count = 0 function Count() count = count + 1 end"));
    ScriptFunctionCall call("Count");
    EXPECT_TRUE(call.Call());
    EXPECT_FALSE(call.Call());
    EXPECT_EQ(Global("count"), 1);
}
