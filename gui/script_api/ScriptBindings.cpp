#include "gui/script_api/ScriptBindings.h"

#include "gui/script_api/ApplicationBindings.h"
#include "gui/script_api/DisplayModeBindings.h"

void RegisterScriptBindings(lua_State* L)
{
    RegisterApplicationBindings(L);
    RegisterDisplayModeBindings(L);
}
