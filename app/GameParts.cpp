#include "app/GameParts.h"

#include "engine/script/ScriptHost.h"
#include "game/board/GameField.h"
#include "game/screens/MenuWidgetKinds.h"
#include "game/screens/ScreenWidgetKinds.h"
#include "game/screens/MapScreenKinds.h"
#include "game/screens/ShieldScreenKind.h"
#include "game/state/ArtefactCatalogue.h"
#include "game/state/GameInfo.h"
#include "gui/GUIManager.h"
#include "gui/Layer.h"
#include "gui/Widget.h"
#include "gui/WidgetFactory.h"
#include "gui/effects/EffectObserver.h"
#include "gui/script_api/ScriptBindings.h"

void ConnectConfirmationTexts()
{
    gameInfo.SetConfirmationTextSender(
        [](const std::string& layerName, const std::string& widgetName, const std::string& textId) {
            Layer* layer = GUI.getLayer(layerName);
            Widget* widget = layer ? layer->getWidget(widgetName) : nullptr;
            if (widget)
                widget->AcceptMessage(Message("SetText", textId));
        });
}

void GameParts::PrepareFramework()
{
    GUI.PublishTextVariables();
    GUI.SetTextVariable("MaxCountry", "");
    GUI.SetTextVariable("LivesLeftCount", "");
    RegisterGuiFactories();
    InstallGameFieldCreator();
    InstallScreenWidgetCreators();
    RegisterMapScreenKinds();
    RegisterShieldScreenKind();
    InstallMenuWidgetCreators();
    ConnectConfirmationTexts();
    RegisterScriptBindings(g_luaState);
}

void GameParts::LoadGameData()
{
    LoadArtefacts();
}

void GameParts::BeginLoop()
{
    AddEffectObserver();
}
