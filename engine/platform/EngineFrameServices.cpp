#include "engine/platform/FrameServices.h"

#include "engine/platform/Application.h"
#include "engine/platform/InputMap.h"
#include "engine/platform/InputState.h"
#include "engine/platform/LogoWidget.h"
#include "engine/platform/MainWindow.h"
#include "engine/sound/SoundSystemImpl.h"
#include "gui/controllers/ControllerManager.h"

#include <GL/gl.h>

bool EngineFrameServices::DeviceReady()
{
    // A GL context is never lost.
    return g_application && g_application->mainWindow && g_application->mainWindow->IsCreated();
}

void EngineFrameServices::ResetCursorImage() {}

void EngineFrameServices::DrainMessages() {}

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
    glClearColor(0x3C / 255.0f, 0x3C / 255.0f, 0x3C / 255.0f, 1.0f);
    glClearDepth(1.0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void EngineFrameServices::DrawSplash() {}

void EngineFrameServices::DrawScreen(bool) {}

void EngineFrameServices::DrawCursor() {}

void EngineFrameServices::DrawFrameRate(int) {}

void EngineFrameServices::EndFrame()
{
    if (g_application && g_application->mainWindow)
        g_application->mainWindow->Present();
}
