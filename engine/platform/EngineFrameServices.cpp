#include "engine/platform/FrameServices.h"

#include "engine/platform/Application.h"
#include "engine/platform/InputMap.h"
#include "engine/platform/InputState.h"
#include "engine/platform/LogoWidget.h"
#include "engine/platform/MainWindow.h"
#include "engine/sound/SoundSystemImpl.h"
#include "gui/ScreenImpl.h"
#include "gui/controllers/ControllerManager.h"

#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"

bool EngineFrameServices::DeviceReady()
{
    // A GL context is never lost.
    return g_application && g_application->mainWindow && g_application->mainWindow->IsCreated();
}

void EngineFrameServices::ResetCursorImage() {}

void EngineFrameServices::DrainMessages()
{
    Screen.DispatchMessages();
}

void EngineFrameServices::ResendMousePosition()
{
    g_inputWidgets.SendMouseMove(g_input.ScreenPoint());
}

void EngineFrameServices::ActivatePendingControllers()
{
    if (kernel.HasPending())
        kernel.FlushPending();
}

void EngineFrameServices::UpdateControllers(float step)
{
    kernel.Update(step);
}

void EngineFrameServices::UpdateSound(float step)
{
    g_sound.UpdateTracks(step);
}

void EngineFrameServices::UpdateLogo(float step)
{
    if (g_logoWidget)
        g_logoWidget->Update(step);
}

void EngineFrameServices::BeginFrame()
{
    g_renderDevice.BeginFrame();
    g_renderDevice.Begin2D();
}

void EngineFrameServices::DrawSplash()
{
    if (!g_drawSplash || !g_splashSprite || g_splashSprite->textureWidth <= 0 || g_splashSprite->textureHeight <= 0)
        return;
    const Sprite& splash = *g_splashSprite;
    g_splashSprite->linearFilter = true;
    splash.Bind();
    g_renderDevice.DrawRectPartial(0, 0, 800, 600,
                                   static_cast<float>(splash.imageWidth) / static_cast<float>(splash.textureWidth),
                                   static_cast<float>(splash.imageHeight) / static_cast<float>(splash.textureHeight));
}

void EngineFrameServices::DrawScreen(bool paused)
{
    Screen.Draw(paused);
}

void EngineFrameServices::DrawCursor()
{
    // Normal alpha blending for the cursor and everything after it.
    g_renderDevice.EnableAlphaBlend(true);
    g_renderDevice.SetBlendMode(0);
}

void EngineFrameServices::DrawFrameRate(int) {}

void EngineFrameServices::EndFrame()
{
    g_renderDevice.End2D();
    g_renderDevice.EndFrame();
    if (g_application && g_application->mainWindow)
        g_application->mainWindow->Present();
}
