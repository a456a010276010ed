#include "gui/widgets/WidgetServices.h"

#include "engine/sound/SoundSystemImpl.h"
#include "gui/GUIManager.h"
#include "gui/Layer.h"
#include "gui/ResourceAccess.h"

namespace {

WidgetServiceHooks& Hooks()
{
    static WidgetServiceHooks hooks;
    return hooks;
}

} // namespace

Sprite* GetWidgetPicture(const std::string& name)
{
    if (Hooks().picture)
        return Hooks().picture(name);
    return GuiResources::FindTexture(name);
}

void PlayWidgetSample(const std::string& name)
{
    if (Hooks().sample) {
        Hooks().sample(name);
        return;
    }
    g_sound.PlaySample(name);
}

Widget* FindLayerWidget(const std::string& layerName, const std::string& widgetName)
{
    if (Hooks().layerWidget)
        return Hooks().layerWidget(layerName, widgetName);
    const Layer* layer = GUI.getLayer(layerName);
    return layer ? layer->getWidget(widgetName) : nullptr;
}

void InstallWidgetServiceHooks(const WidgetServiceHooks& hooks)
{
    Hooks() = hooks;
}
