#pragma once

// Frame services that do nothing, for tests that need an Application but no
// frames. The device counts as not ready unless the test says otherwise.

#include "engine/platform/FrameServices.h"

namespace testing_support {

class NullFrameServices : public FrameServices {
public:
    explicit NullFrameServices(bool deviceReady = false)
        : _deviceReady(deviceReady)
    {
    }

    bool DeviceReady() override { return _deviceReady; }
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

private:
    bool _deviceReady;
};

} // namespace testing_support
