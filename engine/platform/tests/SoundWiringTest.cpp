// The application drives the global sound service: focus pauses and resumes
// it, the close handling shuts it down, and each frame advances its tracks.

#include "engine/platform/Application.h"
#include "engine/platform/FrameServices.h"
#include "engine/sound/SoundSystemImpl.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class NoFrame : public FrameServices {
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

} // namespace

TEST(SoundWiring, FocusPausesAndResumesAndClosingShutsDown)
{
    g_sound.Init(); // the null driver of the tests
    Application app(false, std::make_unique<NoFrame>());
    app.OnDeactivated();
    EXPECT_TRUE(g_sound.IsPaused());
    EXPECT_TRUE(app.paused);
    app.OnActivated();
    EXPECT_FALSE(g_sound.IsPaused());
    app.OnWindowClosed();
    EXPECT_FALSE(g_sound.IsOpen());
}

TEST(SoundWiring, TheFrameAdvancesTheTracks)
{
    g_sound.LoadTrack("Wired", "Common", "none.ogg", false);
    g_sound.FadeInTrack("Wired", 1.0f, true);
    EngineFrameServices().UpdateSound(0.5f);
    EXPECT_EQ(g_sound.FindTrack("Wired")->volume, 37);
}
