#include "engine/platform/Application.h"

#include "engine/render/Sprite.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// Records every call of the frame, in order.
class RecordingFrame : public FrameServices {
public:
    std::vector<std::string> calls;
    std::vector<float> steps;
    std::function<void()> onDrain;
    bool ready = true;

    bool DeviceReady() override { calls.push_back("DeviceReady"); return ready; }
    void ResetCursorImage() override { calls.push_back("ResetCursorImage"); }
    void DrainMessages() override
    {
        calls.push_back("DrainMessages");
        if (onDrain)
            onDrain();
    }
    void ResendMousePosition() override { calls.push_back("ResendMousePosition"); }
    void ActivatePendingControllers() override { calls.push_back("ActivatePendingControllers"); }
    void UpdateControllers(float step) override
    {
        calls.push_back("UpdateControllers");
        steps.push_back(step);
    }
    void UpdateSound(float) override { calls.push_back("UpdateSound"); }
    void UpdateLogo(float) override { calls.push_back("UpdateLogo"); }
    void BeginFrame() override { calls.push_back("BeginFrame"); }
    void DrawSplash() override { calls.push_back("DrawSplash"); }
    void DrawScreen(bool paused) override { calls.push_back(paused ? "DrawScreen(paused)" : "DrawScreen"); }
    void DrawCursor() override { calls.push_back("DrawCursor"); }
    void DrawFrameRate(int) override { calls.push_back("DrawFrameRate"); }
    void EndFrame() override { calls.push_back("EndFrame"); }
};

struct Fixture {
    std::int64_t now = 0;
    RecordingFrame* frame = nullptr;
    std::unique_ptr<Application> app;

    Fixture()
    {
        auto recording = std::make_unique<RecordingFrame>();
        frame = recording.get();
        app = std::make_unique<Application>(false, std::move(recording), Timer([this] { return now; }, 1000));
        app->running = true;
        app->timer.Restart();
    }
    float StepAfter(std::int64_t ticks)
    {
        now += ticks;
        frame->steps.clear();
        app->Frame();
        return frame->steps.empty() ? -99.0f : frame->steps.front();
    }
};

} // namespace

TEST(ApplicationFrame, OrderOfOneFrame)
{
    Fixture f;
    f.app->Frame();
    const std::vector<std::string> expected = {
        "DeviceReady", "ResetCursorImage", "DrainMessages", "ResendMousePosition", "ActivatePendingControllers",
        "UpdateControllers", "UpdateSound", "ActivatePendingControllers", "UpdateLogo", "BeginFrame", "DrawSplash",
        "DrawScreen", "DrawCursor", "DrawFrameRate", "EndFrame", "ActivatePendingControllers"};
    EXPECT_EQ(f.frame->calls, expected);
}

TEST(ApplicationFrame, PausedScreenIsDrawnWithTheVeil)
{
    Fixture f;
    f.app->paused = true;
    f.app->Frame();
    EXPECT_NE(std::find(f.frame->calls.begin(), f.frame->calls.end(), "DrawScreen(paused)"), f.frame->calls.end());
}

TEST(ApplicationFrame, StepRules)
{
    Fixture f;
    EXPECT_FLOAT_EQ(f.StepAfter(16), 0.016f);
    EXPECT_FLOAT_EQ(f.StepAfter(2000), 0.02f); // a 2-second stall
    EXPECT_FLOAT_EQ(f.StepAfter(800), 0.02f);
    EXPECT_FLOAT_EQ(f.StepAfter(-50), 0.0f);   // a counter that goes backwards
    // Time inside a paused section is left out.
    f.app->timer.Pause();
    f.now += 500;
    f.app->timer.Resume();
    EXPECT_FLOAT_EQ(f.StepAfter(10), 0.01f);
}

TEST(ApplicationFrame, FrameRateCountsFramesOfTheLastSecond)
{
    Fixture f;
    for (int i = 0; i < 10; ++i)
        f.StepAfter(100);
    // The tenth step completes the first second: nine frames were drawn before it.
    EXPECT_EQ(f.app->frameRateShown, 9);
    EXPECT_EQ(f.app->framesDrawn, 1);
}

TEST(ApplicationFrame, LostDeviceSkipsTheFrame)
{
    Fixture f;
    f.frame->ready = false;
    f.app->Frame();
    EXPECT_EQ(f.frame->calls, std::vector<std::string>{"DeviceReady"});
}

TEST(ApplicationFrame, ClosingFromAScriptEndsTheFrameBeforeDrawing)
{
    Fixture f;
    f.frame->onDrain = [] { CloseApplication(); };
    f.app->Frame();
    EXPECT_FALSE(f.app->running);
    EXPECT_EQ(f.frame->calls.back(), "DrainMessages");
    EXPECT_FALSE(f.app->Pump()); // the loop ends
}

TEST(ApplicationFrame, ResetSplashStopsTheSplashFlag)
{
    g_drawSplash = true;
    ResetSplash();
    EXPECT_FALSE(g_drawSplash);
    g_drawSplash = true;
}

TEST(ApplicationFrame, ResetSplashReleasesTheSplashPicture)
{
    g_splashSprite = new Sprite();
    g_splashSprite->imageWidth = g_splashSprite->textureWidth = 800;
    ResetSplash();
    EXPECT_EQ(g_splashSprite, nullptr);
    ResetSplash(); // once more: nothing left to release
    EXPECT_EQ(g_splashSprite, nullptr);
    g_drawSplash = true;
}

TEST(ApplicationFrame, ActivationRestartsTheClock)
{
    Fixture f;
    f.app->OnDeactivated();
    EXPECT_TRUE(f.app->paused);
    f.now += 60000; // a long absence
    f.app->OnActivated();
    EXPECT_FALSE(f.app->paused);
    EXPECT_FLOAT_EQ(f.StepAfter(5), 0.005f);
}
