// The splash that waits: nothing before "View"; then one ("Panel", "press")
// at the first click or after three seconds; every "View" waits the whole
// three seconds again, on a new clock when the old one has ended; its clock
// stops with it.

#include "game/screens/SplashWait.h"
#include "game/screens/SplashWaitController.h"
#include "gui/Message.h"
#include "gui/controllers/ControllerManager.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class SplashWaitTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_messageQueue.clear();
        _splash = std::make_unique<SplashWait>("Wait", nullptr);
        kernel.FlushPending();
    }

    void TearDown() override
    {
        _splash.reset();
        Step(0.0f);
        g_messageQueue.clear();
    }

    static void Step(float dt)
    {
        kernel.FlushPending();
        kernel.Update(dt);
    }

    static void Run(float seconds)
    {
        for (float t = 0.0f; t < seconds; t += 0.25f)
            Step(0.25f);
    }

    static int Panels()
    {
        int count = 0;
        for (const Message& message : g_messageQueue)
            if (message.is("Panel", "press"))
                ++count;
        return count;
    }

    void View() { _splash->AcceptMessage(Message("View")); }

    std::unique_ptr<SplashWait> _splash;
};

} // namespace

TEST_F(SplashWaitTest, AClickBeforeViewPostsNothing)
{
    _splash->MouseUp(Point(400, 300));
    Run(10.0f);
    _splash->MouseUp(Point(400, 300));
    EXPECT_EQ(Panels(), 0);
    _splash->AcceptMessage(Message("Other"));
    Run(4.0f);
    EXPECT_EQ(Panels(), 0);
}

TEST_F(SplashWaitTest, ViewThenThreeSecondsPostsOnce)
{
    View();
    Run(2.75f);
    EXPECT_EQ(Panels(), 0);
    Run(0.25f);
    EXPECT_EQ(Panels(), 1);
    EXPECT_FALSE(_splash->_dismissable);
    // A click afterwards and more time post nothing more.
    _splash->MouseUp(Point(400, 300));
    Run(5.0f);
    EXPECT_EQ(Panels(), 1);
    EXPECT_EQ(_splash->_controller, nullptr) << "its clock has ended";
}

TEST_F(SplashWaitTest, AClickPostsOnceAndStopsTheWait)
{
    View();
    Run(1.0f);
    _splash->MouseUp(Point(10, 590));
    _splash->MouseUp(Point(10, 590));
    EXPECT_EQ(Panels(), 1);
    Run(5.0f);
    EXPECT_EQ(Panels(), 1);
}

TEST_F(SplashWaitTest, ShownAgainItWaitsTheWholeThreeSeconds)
{
    // Clicked after a second: the clock stands at one second.
    View();
    Run(1.0f);
    _splash->MouseUp(Point(400, 300));
    ASSERT_EQ(Panels(), 1);
    g_messageQueue.clear();

    View();
    Run(2.75f);
    EXPECT_EQ(Panels(), 0) << "not two seconds, but three";
    Run(0.25f);
    EXPECT_EQ(Panels(), 1);

    // After a wait that ran out, its clock has gone; a new one waits.
    g_messageQueue.clear();
    Run(1.0f);
    ASSERT_EQ(_splash->_controller, nullptr);
    View();
    ASSERT_NE(_splash->_controller, nullptr);
    Run(2.75f);
    EXPECT_EQ(Panels(), 0);
    Run(0.25f);
    EXPECT_EQ(Panels(), 1);
}

TEST_F(SplashWaitTest, ItsClockStopsWithIt)
{
    View();
    Step(0.25f);
    const SplashWaitController* clock = _splash->_controller;
    ASSERT_NE(clock, nullptr);
    _splash.reset();
    Run(5.0f);
    EXPECT_EQ(Panels(), 0);
    for (const IController* controller : kernel.Active())
        EXPECT_NE(controller, clock);
}
