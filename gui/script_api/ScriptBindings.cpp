#include "gui/script_api/ScriptBindings.h"

#include "game/state/GameInfo.h"
#include "gui/script_api/ApplicationBindings.h"
#include "gui/script_api/GameInfoBindings.h"
#include "gui/script_api/ResourceBindings.h"

#include <luabind/luabind.hpp>

void RegisterScriptBindings(lua_State* L)
{
    RegisterApplicationBindings(L);
    RegisterGameInfoBindings(L);
    RegisterResourceBindings(L);

    luabind::globals(L)["gameInfo"] = &gameInfo;
}
