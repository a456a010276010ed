#include "gui/script_api/ScriptBindings.h"

#include "engine/sound/SoundSystemImpl.h"
#include "game/state/GameInfo.h"
#include "gui/GUIManager.h"
#include "gui/ScreenImpl.h"
#include "gui/controllers/ControllerFactory.h"
#include "gui/controllers/ControllerManager.h"
#include "gui/script_api/ApplicationBindings.h"
#include "gui/script_api/ArtefactBindings.h"
#include "gui/script_api/ColorBindings.h"
#include "gui/script_api/ControllerBindings.h"
#include "gui/script_api/ControllerFactoryBindings.h"
#include "gui/script_api/GUIManagerBindings.h"
#include "gui/script_api/LayerBindings.h"
#include "gui/script_api/ScreenBindings.h"
#include "gui/script_api/DisplayModeBindings.h"
#include "gui/script_api/EffectBindings.h"
#include "gui/script_api/GameInfoBindings.h"
#include "gui/script_api/MathBindings.h"
#include "gui/script_api/MessageBindings.h"
#include "gui/script_api/ParticleBindings.h"
#include "gui/script_api/PointBindings.h"
#include "gui/script_api/ResourceBindings.h"
#include "gui/script_api/SoundBindings.h"
#include "gui/script_api/SplineBindings.h"
#include "gui/script_api/VariableSetBindings.h"
#include "gui/script_api/WidgetBindings.h"

#include <luabind/luabind.hpp>

void RegisterScriptBindings(lua_State* L)
{
    // 1. Classes, in their fixed order.
    RegisterSplineBindings(L);
    RegisterPointBindings(L);
    RegisterColorBindings(L);
    RegisterMessageBindings(L);
    RegisterVariableSetBindings(L);
    RegisterScreenBindings(L);
    RegisterGUIManagerBindings(L);
    RegisterLayerBindings(L);
    RegisterWidgetBindings(L);
    RegisterEffectBindings(L);
    RegisterControllerManagerBindings(L);
    RegisterControllerFactoryBindings(L);
    RegisterIControllerBindings(L);

    // 2. Global functions.
    RegisterApplicationBindings(L);
    RegisterDisplayModeBindings(L);
    RegisterMathBindings(L);
    RegisterResourceBindings(L);
    RegisterParticleBindings(L);
    RegisterArtefactBindings(L);

    // 3. Sound, hi-scores and the game state.
    RegisterSoundBindings(L);
    RegisterGameInfoBindings(L);

    // 4. The global objects.
    luabind::object globals = luabind::globals(L);
    globals["GUI"] = &GUI;
    globals["Screen"] = &Screen;
    globals["Sound"] = &g_sound;
    globals["controlFactory"] = &controlFactory;
    globals["kernel"] = &kernel;
    globals["gameInfo"] = &gameInfo;
}
