// The credits widget: its roll speed and loop, "Reset", a roll of no
// length, the arcs' drift, the fish, and the drift controller's lifetime.

#include "gui/WidgetFactory.h"
#include "gui/controllers/ControllerManager.h"
#include "gui/widgets/Credits.h"
#include "gui/widgets/CreditsColorDrift.h"
#include "gui/widgets/CreditsModule.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

#include <memory>

namespace {

struct CreditsFixture : testing::Test {
    void TearDown() override
    {
        widget.reset();
        kernel.FlushPending();
        kernel.Update(0.0f); // sweeps the finished drift controllers
    }

    void Make(const std::string& xml)
    {
        document.Parse(xml.c_str());
        ASSERT_FALSE(document.Error());
        RegisterGuiFactories();
        widget.reset(static_cast<Credits*>(g_widgetFactory.CreateWidget(document.RootElement())));
        ASSERT_NE(widget, nullptr);
        kernel.FlushPending();
    }

    void Run(float seconds, float dt)
    {
        for (float t = 0.0f; t < seconds - dt * 0.5f; t += dt)
            kernel.Update(dt);
    }

    TiXmlDocument document;
    std::unique_ptr<Credits> widget;
};

const char* const kRoll = R"(<Credits name="credits" width="600" height="400" time="60" from="600" to="-1200">
    <position x="100" y="50"/><textPosition x="300" y="-20"/>
    <Logo x="10" y="-300" tex="textures\no_such_logo.png"/>
  </Credits>)";

} // namespace

TEST_F(CreditsFixture, ReadsItsElement)
{
    Make(kRoll);
    EXPECT_EQ(widget->name, "credits");
    EXPECT_EQ(widget->_paneWidth, 600);
    EXPECT_EQ(widget->_paneHeight, 400);
    EXPECT_EQ(widget->_rollTime, 60.0f);
    EXPECT_EQ(widget->position, Point(100, 50)); // kept as written
    EXPECT_EQ(widget->offset, Point(100, 50));
    EXPECT_EQ(widget->_textPosition, Point(300, -20));
    ASSERT_EQ(widget->_logos.size(), 1u);
    EXPECT_EQ(widget->_logos[0].picture, nullptr); // listed, drawn as nothing
    EXPECT_EQ(widget->_logos[0].y, -300);
    EXPECT_EQ(CreditsModule().fish.size(), 15u);
    EXPECT_EQ(CreditsModule().drift, widget->_drift);
    EXPECT_FALSE(widget->MouseDown(Point(300, 300)));

    TiXmlDocument nameless;
    nameless.Parse("<Credits time=\"5\"/>");
    EXPECT_EQ(CreateCredits(nameless.RootElement()), nullptr);
}

TEST_F(CreditsFixture, TheRollFallsThirtyPointsASecondAndLoopsEveryMinute)
{
    Make(kRoll);
    EXPECT_EQ(widget->ScrollOffset(), 600);
    Run(1.0f, 0.5f);
    EXPECT_EQ(widget->ScrollOffset(), 570);
    Run(9.0f, 0.5f);
    EXPECT_EQ(widget->ScrollOffset(), 300);
    Run(49.5f, 0.5f);
    EXPECT_EQ(widget->ScrollOffset(), -1185);
    Run(0.5f, 0.5f);
    EXPECT_EQ(widget->ScrollOffset(), 600) << "back at the start after a minute";

    Run(20.0f, 0.5f);
    EXPECT_EQ(widget->ScrollOffset(), 0);
    widget->AcceptMessage(Message("Other"));
    EXPECT_EQ(widget->ScrollOffset(), 0);
    widget->AcceptMessage(Message("Reset"));
    EXPECT_EQ(widget->ScrollOffset(), 600);
}

TEST_F(CreditsFixture, ARollOfNoLengthStandsStill)
{
    Make(R"(<Credits name="c" time="0" from="100" to="-500"/>)");
    Run(3.0f, 0.25f);
    EXPECT_EQ(widget->RollClock(), 0.0f);
    EXPECT_EQ(widget->ScrollOffset(), 100);
}

TEST_F(CreditsFixture, TheArcsDriftToNewTargetsEveryHalfToOnePointEightSeconds)
{
    Make(kRoll);
    const CreditsColorDrift& drift = *widget->_drift;
    for (const CreditsColorDrift::Arc* arc : {&drift._arc1, &drift._arc2}) {
        EXPECT_GE(arc->_period, 0.2f);
        EXPECT_LT(arc->_period, 1.0f);
        EXPECT_GE(arc->_fromLevel, 100.0f);
        EXPECT_LE(arc->_toLevel, 255.0f);
    }
    Run(1.0f, 0.01f); // past the first periods
    float lastTarget = drift._arc1._toLevel;
    float lastChange = -1.0f;
    int changes = 0;
    for (int step = 0; step < 2000; ++step) {
        kernel.Update(0.01f);
        const int alpha1 = static_cast<int>(drift._arc1._level);
        const int alpha2 = static_cast<int>(drift._arc2._level);
        EXPECT_GE(alpha1, 10);
        EXPECT_LE(alpha1, 255);
        EXPECT_GE(alpha2, 10);
        EXPECT_LE(alpha2, 255);
        if (drift._arc1._toLevel != lastTarget) {
            const float now = static_cast<float>(step) * 0.01f;
            if (lastChange >= 0.0f) {
                EXPECT_GE(now - lastChange, 0.49f);
                EXPECT_LE(now - lastChange, 1.81f);
            }
            lastChange = now;
            lastTarget = drift._arc1._toLevel;
            ++changes;
        }
    }
    EXPECT_GE(changes, 10);
}

TEST_F(CreditsFixture, TheFishSwimWithTheRoll)
{
    Make(kRoll);
    const SwimmingFish first = CreditsModule().fish[0];
    Run(0.5f, 0.1f);
    const SwimmingFish& now = CreditsModule().fish[0];
    EXPECT_TRUE(now.t != first.t || now.sector != first.sector);
}

TEST_F(CreditsFixture, DriftAndWidgetLetGoOfEachOther)
{
    Make(kRoll);
    CreditsColorDrift* drift = widget->_drift;
    ASSERT_NE(drift, nullptr);
    EXPECT_EQ(drift->_credits, widget.get());

    // A second credits widget takes the roll over; the first one's drift ends.
    Credits* second = static_cast<Credits*>(CreateCredits(document.RootElement()));
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(CreditsModule().drift, second->_drift);
    EXPECT_EQ(widget->_drift, nullptr);
    EXPECT_TRUE(drift->IsFinished());
    kernel.FlushPending();
    kernel.Update(0.1f); // deletes the first drift
    EXPECT_EQ(widget->RollClock(), 0.0f);
    widget->AcceptMessage(Message("Reset")); // reaches nothing

    // Deleting the widget ends its drift, which is then swept out.
    CreditsColorDrift* secondDrift = second->_drift;
    kernel.StopControllersOf(second);
    EXPECT_TRUE(secondDrift->IsFinished());
    delete second;
    kernel.Update(0.1f);
    EXPECT_EQ(CreditsModule().drift, nullptr);
}
