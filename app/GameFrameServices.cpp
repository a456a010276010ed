#include "app/GameFrameServices.h"

#include "engine/platform/Application.h"
#include "engine/platform/CustomCursor.h"
#include "engine/platform/InputState.h"
#include "engine/platform/LogoWidget.h"
#include "engine/platform/MainWindow.h"
#include "engine/sound/SoundSystemImpl.h"
#include "gui/InputMap.h"
#include "gui/ScreenImpl.h"
#include "gui/controllers/ControllerManager.h"

#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"

#include <string>

bool GameFrameServices::DeviceReady()
{
    // A GL context is never lost.
    return g_application && g_application->mainWindow && g_application->mainWindow->IsCreated();
}

void GameFrameServices::ResetCursorImage()
{
    if (g_cursor)
        g_cursor->SetNormal();
}

void GameFrameServices::DrainMessages()
{
    Screen.DispatchMessages();
}

void GameFrameServices::ResendMousePosition()
{
    g_inputWidgets.SendMouseMove(g_input.ScreenPoint());
}

void GameFrameServices::ActivatePendingControllers()
{
    if (kernel.HasPending())
        kernel.FlushPending();
}

void GameFrameServices::UpdateControllers(float step)
{
    kernel.Update(step);
}

void GameFrameServices::UpdateSound(float step)
{
    g_sound.UpdateTracks(step);
}

void GameFrameServices::UpdateLogo(float step)
{
    if (g_logoWidget)
        g_logoWidget->Update(step);
}

void GameFrameServices::BeginFrame()
{
    g_renderDevice.BeginFrame();
    g_renderDevice.Begin2D();
}

void GameFrameServices::DrawSplash()
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

void GameFrameServices::DrawScreen(bool paused)
{
    Screen.Draw(paused);
}

void GameFrameServices::DrawCursor()
{
    if (g_cursor && g_input.buttonDown && g_cursor->IsActive())
        g_cursor->SetPressed();
    // Normal alpha blending for the cursor and everything after it.
    g_renderDevice.EnableAlphaBlend(true);
    g_renderDevice.SetBlendMode(0);
    if (!g_application)
        return;
    g_application->UpdateCursorVisibility();
    if (g_application->customCursorInUse) {
        if (g_cursor)
            g_cursor->Draw(g_input.x, g_input.y);
    } else {
        g_application->SetSystemCursor(g_cursor && g_cursor->IsHighlighted());
    }
}

void GameFrameServices::DrawFrameRate(int framesPerSecond)
{
    // Drawn outside the visible 800 x 600 screen; the font stays selected.
    g_renderDevice.SelectFont("TitleLight");
    g_renderDevice.DrawString(1790, 570, std::to_string(framesPerSecond), 1.0f, 0, false);
}

void GameFrameServices::EndFrame()
{
    g_renderDevice.End2D();
    g_renderDevice.EndFrame();
    if (g_application && g_application->mainWindow)
        g_application->mainWindow->Present();
}
