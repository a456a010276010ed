#pragma once

// One frame of the main loop on the program's global services: the screen,
// the controller manager, the input map, the sound, the logo, the cursor and
// the render device.

#include "engine/platform/FrameServices.h"

class GameFrameServices : public FrameServices {
public:
    bool DeviceReady() override;
    void ResetCursorImage() override;
    void DrainMessages() override;
    void ResendMousePosition() override;
    void ActivatePendingControllers() override;
    void UpdateControllers(float step) override;
    void UpdateSound(float step) override;
    void UpdateLogo(float step) override;
    void BeginFrame() override;
    void DrawSplash() override;
    void DrawScreen(bool paused) override;
    void DrawCursor() override;
    void DrawFrameRate(int framesPerSecond) override;
    void EndFrame() override;
};
