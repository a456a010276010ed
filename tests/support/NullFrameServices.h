#pragma once

// Frame services that do nothing and report the device as not ready, for
// tests that need an Application but no frames.

#include "engine/platform/FrameServices.h"

namespace testing_support {

class NullFrameServices : public FrameServices {
public:
    bool DeviceReady() override { return false; }
    void ResetCursorImage() override {}
    void DrainMessages() override {}
    void ResendMousePosition() override {}
    void ActivatePendingControllers() override {}
    void UpdateControllers(float) override {}
    void UpdateSound(float) override {}
    void UpdateLogo(float) override {}
    void BeginFrame() override {}
    void DrawSplash() override {}
    void DrawScreen(bool) override {}
    void DrawCursor() override {}
    void DrawFrameRate(int) override {}
    void EndFrame() override {}
};

} // namespace testing_support
