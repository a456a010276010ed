#pragma once

// The one Lua state of the process: script files, script strings and calls
// of global script functions by name. Every entry point is protected: errors
// are logged under their fixed titles, the stack is left as it was found and
// the program goes on.

#include <exception>
#include <string>

#include <lua.hpp>
#include <luabind/luabind.hpp>

extern lua_State* g_luaState;

// Creates g_luaState with the base (and coroutine), string and math libraries
// and luabind. io, os, table, debug and package stay closed.
void OpenScriptState();

// Why a script did not run: the fixed title of its failure and Lua's own
// message, which names the file and the line.
struct ScriptFailure {
    std::string title;
    std::string text;
};

// Runs a script file; a load failure logs "LUA COMPILE ERROR", a run failure
// "LUA RUN ERROR [name]". Returns whether it ran to the end. Given a failure
// to fill, it logs nothing and leaves the report to the caller.
bool RunScriptFile(const std::string& name, ScriptFailure* failure = nullptr);

// Runs a script text; failures log "LUA ERROR". Returns whether it ran.
bool RunScriptString(const std::string& text);

// The error text on top of the stack (a fallback for non-string values).
std::string ScriptErrorText(lua_State* L, int index);

// One call of a global script function by name, performed at most once.
// Failures log "LUA Error calling [name]".
class ScriptFunctionCall {
public:
    explicit ScriptFunctionCall(std::string name) : _name(std::move(name)) {}

    bool Call() { return Invoke([](lua_State*) { return 0; }); }

    template <typename Arg>
    bool Call(const Arg& argument)
    {
        return Invoke([&argument](lua_State* L) {
            luabind::object(L, argument).push(L);
            return 1;
        });
    }

private:
    template <typename PushArguments>
    bool Invoke(PushArguments push);
    bool Finish(lua_State* L, int top, int argumentCount);
    void LogFailure(const std::string& text) const;

    std::string _name;
    bool _done = false;
};

template <typename PushArguments>
bool ScriptFunctionCall::Invoke(PushArguments push)
{
    if (_done || !g_luaState)
        return false;
    _done = true;
    lua_State* L = g_luaState;
    const int top = lua_gettop(L);
    lua_getglobal(L, _name.c_str());
    int count = 0;
    try {
        count = push(L);
    } catch (const std::exception& e) {
        lua_settop(L, top);
        LogFailure(e.what());
        return false;
    } catch (...) {
        lua_settop(L, top);
        LogFailure("unknown error while passing the argument");
        return false;
    }
    return Finish(L, top, count);
}

// Convenience: call a global script function by name once.
inline bool CallScriptFunction(const std::string& name)
{
    return ScriptFunctionCall(name).Call();
}
template <typename Arg>
bool CallScriptFunction(const std::string& name, const Arg& argument)
{
    return ScriptFunctionCall(name).Call(argument);
}
