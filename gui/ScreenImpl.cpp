#include "gui/ScreenImpl.h"

#include "gui/InputMap.h"
#include "engine/platform/InputState.h"
#include "engine/render/RenderDevice.h"
#include "gui/FontAccess.h"
#include "gui/Layer.h"
#include "gui/LayerHandler.h"
#include "gui/Message.h"
#include "gui/ResourceAccess.h"
#include "gui/StringTable.h"

namespace Core {

void ScreenImpl::pushLayer(Layer* layer)
{
    if (current)
        stack.push_back(current);
    current = layer;
    Refresh();
}

void ScreenImpl::popLayer()
{
    if (stack.empty())
        return;
    current = stack.back();
    stack.pop_back();
    Refresh();
}

void ScreenImpl::SetLayer(Layer* layer)
{
    current = layer;
    Refresh();
}

void ScreenImpl::ClearLayers()
{
    stack.clear();
    current = nullptr;
    Refresh();
}

std::string ScreenImpl::GetTopLayerName() const
{
    return current ? current->name : std::string();
}

void ScreenImpl::ReleaseLayerResources()
{
    // A copy: releasing must not depend on the stack staying put.
    const std::list<Layer*> stacked = stack;
    for (Layer* layer : stacked)
        GuiResources::ReleaseGroup(layer->name);
}

void ScreenImpl::Refresh()
{
    RestoreInput();
    g_inputWidgets.SendMouseMove(g_input.ScreenPoint());
    g_messageQueue.clear();
}

void ScreenImpl::RestoreInput()
{
    g_inputWidgets.Clear();
    if (current)
        current->RegisterInput();
}

void ScreenImpl::DispatchMessages()
{
    Layer* layer = current;
    if (!layer)
        return;
    while (!g_messageQueue.empty()) {
        const Message message = g_messageQueue.front();
        g_messageQueue.pop_front();
        if (LayerHandler* handler = layer->GetHandler())
            handler->HandleMessage(message);
    }
}

void ScreenImpl::Draw(bool paused)
{
    // A covering background hides what lies under it when it is drawn
    // opaque: in the untinted normal blending every layer starts with.
    auto from = stack.begin();
    if (g_renderDevice.FillSaving() && g_renderDevice.CurrentColor() == 0xFFFFFFFFu) {
        if (current && current->CoversScreen())
            from = stack.end();
        else
            for (auto it = stack.begin(); it != stack.end(); ++it)
                if ((*it)->CoversScreen())
                    from = it;
    }
    for (auto it = from; it != stack.end(); ++it)
        (*it)->Draw();
    if (current)
        current->Draw();
    if (paused)
        DrawPauseVeil();
}

void ScreenImpl::DrawPauseVeil()
{
    g_renderDevice.EnableTexture(false);
    g_renderDevice.SetColor(Color(0, 0, 0, 175));
    g_renderDevice.DrawRect(0, 0, 800, 600);
    g_renderDevice.ResetColor();
    DrawFontString("Letter", Point(400, 300), GetText("Pause"), 1.0f, 2);
}

} // namespace Core
