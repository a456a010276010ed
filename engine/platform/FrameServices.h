#pragma once

// What one frame of the main loop asks of the program's services, in the
// order the loop calls them. The program's composition root forwards to the
// global services; tests put a recording fake in its place.

class FrameServices {
public:
    virtual ~FrameServices() = default;

    // False while the device cannot draw (the frame is skipped).
    virtual bool DeviceReady() = 0;
    // The custom cursor goes back to its normal image.
    virtual void ResetCursorImage() = 0;
    // The global message queue goes to the current layer's handler.
    virtual void DrainMessages() = 0;
    // The stored mouse position is sent to the input widgets again.
    virtual void ResendMousePosition() = 0;
    // Controllers added since the last activation start running.
    virtual void ActivatePendingControllers() = 0;
    virtual void UpdateControllers(float step) = 0;
    virtual void UpdateSound(float step) = 0;
    virtual void UpdateLogo(float step) = 0;
    // Clear to 0xFF3C3C3C and depth 1, begin the scene and the 2D view.
    virtual void BeginFrame() = 0;
    virtual void DrawSplash() = 0;
    virtual void DrawScreen(bool paused) = 0;
    // Pressed image, blend states, cursor drawn or system cursor set.
    virtual void DrawCursor() = 0;
    virtual void DrawFrameRate(int framesPerSecond) = 0;
    // End the 2D view and the scene, present.
    virtual void EndFrame() = 0;
};
