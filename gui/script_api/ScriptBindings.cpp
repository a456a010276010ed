#include "gui/script_api/ScriptBindings.h"

#include "game/state/GameInfo.h"
#include "gui/script_api/ApplicationBindings.h"
#include "gui/script_api/ArtefactBindings.h"
#include "gui/script_api/ColorBindings.h"
#include "gui/script_api/DisplayModeBindings.h"
#include "gui/script_api/EffectBindings.h"
#include "gui/script_api/GameInfoBindings.h"
#include "gui/script_api/MessageBindings.h"
#include "gui/script_api/ParticleBindings.h"
#include "gui/script_api/PointBindings.h"
#include "gui/script_api/VariableSetBindings.h"
#include "gui/script_api/WidgetBindings.h"

#include <luabind/luabind.hpp>

void RegisterScriptBindings(lua_State* L)
{
    // Classes, in their fixed order.
    RegisterPointBindings(L);
    RegisterColorBindings(L);
    RegisterMessageBindings(L);
    RegisterVariableSetBindings(L);
    RegisterWidgetBindings(L);
    RegisterEffectBindings(L);
    // Global functions.
    RegisterApplicationBindings(L);
    RegisterDisplayModeBindings(L);
    RegisterGameInfoBindings(L);
    RegisterParticleBindings(L);
    RegisterArtefactBindings(L);

    luabind::globals(L)["gameInfo"] = &gameInfo;
}
