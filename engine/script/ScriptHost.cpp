#include "engine/script/ScriptHost.h"

#include "engine/platform/HtmlLog.h"
#include "engine/util/FileSystem.h"

lua_State* g_luaState = nullptr;

namespace {

void OpenLibrary(lua_State* L, const char* name, lua_CFunction open)
{
    luaL_requiref(L, name, open, 1);
    lua_pop(L, 1);
}

} // namespace

void OpenScriptState()
{
    if (g_luaState)
        return;
    lua_State* L = luaL_newstate();
    OpenLibrary(L, "_G", luaopen_base);
    OpenLibrary(L, LUA_COLIBNAME, luaopen_coroutine);
    OpenLibrary(L, LUA_STRLIBNAME, luaopen_string);
    OpenLibrary(L, LUA_MATHLIBNAME, luaopen_math);
    luabind::open(L);
    g_luaState = L;
}

std::string ScriptErrorText(lua_State* L, int index)
{
    if (lua_type(L, index) == LUA_TSTRING || lua_type(L, index) == LUA_TNUMBER) {
        size_t length = 0;
        const char* text = lua_tolstring(L, index, &length);
        return std::string(text, length);
    }
    return std::string("(error object is a ") + luaL_typename(L, index) + " value)";
}

namespace {

// Logs the failure, or hands it to the caller who asked for it.
bool Fail(const std::string& title, const std::string& text, ScriptFailure* failure)
{
    if (failure)
        *failure = ScriptFailure{title, text};
    else
        LogError(title, text);
    return false;
}

bool RunChunk(lua_State* L, int loadResult, const std::string& compileSource, const std::string& runSource,
              ScriptFailure* failure = nullptr)
{
    const int top = lua_gettop(L) - 1;
    if (loadResult != LUA_OK) {
        const std::string text = ScriptErrorText(L, -1);
        lua_settop(L, top);
        return Fail(compileSource, text, failure);
    }
    int result = LUA_OK;
    try {
        result = lua_pcall(L, 0, 0, 0);
    } catch (const std::exception& e) {
        lua_settop(L, top);
        return Fail(runSource, e.what(), failure);
    }
    if (result != LUA_OK) {
        const std::string text = ScriptErrorText(L, -1);
        lua_settop(L, top);
        return Fail(runSource, text, failure);
    }
    lua_settop(L, top);
    return true;
}

} // namespace

bool RunScriptFile(const std::string& name, ScriptFailure* failure)
{
    if (!g_luaState) {
        if (failure)
            *failure = ScriptFailure{"LUA COMPILE ERROR", "no script state to run " + name};
        return false;
    }
    lua_State* L = g_luaState;
    std::string contents;
    int load;
    if (ReadWholeFile(name, contents))
        load = luaL_loadbuffer(L, contents.data(), contents.size(), ("@" + name).c_str());
    else
        load = luaL_loadfile(L, ResolvePath(name).c_str()); // Lua's own "cannot open" message
    return RunChunk(L, load, "LUA COMPILE ERROR", "LUA RUN ERROR [" + name + "]", failure);
}

bool RunScriptString(const std::string& text)
{
    if (!g_luaState)
        return false;
    lua_State* L = g_luaState;
    const int load = luaL_loadbuffer(L, text.data(), text.size(), text.c_str());
    return RunChunk(L, load, "LUA ERROR", "LUA ERROR");
}

bool ScriptFunctionCall::Finish(lua_State* L, int top, int argumentCount)
{
    int result = LUA_OK;
    try {
        result = lua_pcall(L, argumentCount, 0, 0);
    } catch (const std::exception& e) {
        lua_settop(L, top);
        LogFailure(e.what());
        return false;
    }
    if (result != LUA_OK) {
        const std::string text = ScriptErrorText(L, -1);
        lua_settop(L, top);
        LogFailure(text);
        return false;
    }
    lua_settop(L, top);
    return true;
}

void ScriptFunctionCall::LogFailure(const std::string& text) const
{
    LogError("LUA Error calling [" + _name + "]", text);
}
