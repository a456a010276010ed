#include "engine/platform/Application.h"
#include "tests/support/NullFrameServices.h"
#include "engine/platform/Timer.h"

#include <gtest/gtest.h>

namespace {

struct FakeCounter {
    std::int64_t now = 1000;
    Timer MakeTimer() { return Timer([this] { return now; }, 1000); }
};

} // namespace

TEST(Timer, ElapsedLeavesPausedTimeOut)
{
    FakeCounter counter;
    Timer timer = counter.MakeTimer();
    timer.Restart();
    counter.now += 100;
    timer.Pause();
    counter.now += 500; // a save that takes half a second
    timer.Resume();
    counter.now += 50;
    EXPECT_FLOAT_EQ(timer.GetElapsedSeconds(), 0.15f);
}

TEST(Timer, PausesDoNotNest)
{
    FakeCounter counter;
    Timer timer = counter.MakeTimer();
    timer.Restart();
    timer.Pause();
    counter.now += 300;
    timer.Pause(); // overwrites the start of the pause
    counter.now += 200;
    timer.Resume();
    EXPECT_FLOAT_EQ(timer.GetElapsedSeconds(), 0.3f);
}

TEST(Timer, RestartForgetsPausedTicks)
{
    FakeCounter counter;
    Timer timer = counter.MakeTimer();
    timer.Pause();
    counter.now += 400;
    timer.Resume();
    timer.Restart();
    counter.now += 20;
    EXPECT_FLOAT_EQ(timer.GetElapsedSeconds(), 0.02f);
}

TEST(CutLongFrameStep, Table)
{
    struct Case { float step; float expected; };
    const Case cases[] = {{0.016f, 0.016f}, {0.79f, 0.79f}, {0.8f, 0.02f}, {2.0f, 0.02f}, {-1.0f, -1.0f}};
    for (const Case& c : cases)
        EXPECT_FLOAT_EQ(CutLongFrameStep(c.step), c.expected) << c.step;
}

TEST(ScopedTimerPause, NestedPausesLeaveTheWholeTimeOutOnce)
{
    FakeCounter counter;
    Application app(false, std::make_unique<testing_support::NullFrameServices>(), counter.MakeTimer());
    app.timer.Restart();
    counter.now += 100;
    {
        // A scene's upload, which uploads resources that pause too.
        ScopedTimerPause outer;
        counter.now += 300;
        {
            ScopedTimerPause inner;
            counter.now += 200;
        }
        counter.now += 100;
    }
    counter.now += 50;
    EXPECT_FLOAT_EQ(app.timer.GetElapsedSeconds(), 0.15f);
}
