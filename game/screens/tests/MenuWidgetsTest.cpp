// The menu's small widget kinds: the profile greeting, the screenshot slide
// show, the screensaver tip's look and the particle test; and their
// registration with the widget factory.

#include "game/screens/MenuWidgetKinds.h"
#include "game/screens/ParticleTest.h"
#include "game/screens/ParticleTestController.h"
#include "game/screens/ProfileButton.h"
#include "game/screens/SSView.h"
#include "game/screens/SSViewSlideshow.h"
#include "game/screens/SaverTooltip.h"
#include "game/screens/tests/MenuTestSupport.h"
#include "gui/WidgetKindHooks.h"
#include "gui/controllers/ControllerManager.h"
#include "gui/effects/ParticleEffect.h"
#include "gui/widgets/tests/WidgetTestSupport.h"

#include <gtest/gtest.h>

using namespace menu_testing;

namespace {

std::vector<int> Corners(const Rect& r)
{
    return {r.x, r.y, r.w, r.h};
}

class ProfileButtonTest : public ::testing::Test {
protected:
    ProfileButtonTest() { SetFontMetricsSource(&metrics); }
    ~ProfileButtonTest() override { SetFontMetricsSource(nullptr); }

    std::unique_ptr<ProfileButton> Make()
    {
        services.AddPicture("#Welcome", 100, 30);
        services.AddPicture("#ChangeUser", 120, 24);
        services.AddPicture("#ChangeUserGlow", 120, 24);
        XmlElement element("<ProfileButton name=\"Profile\" profileOffsetX=\"6\" profileOffsetY=\"4\" "
                           "changeUserOffset=\"-40\"><position x=\"600\" y=\"150\"/></ProfileButton>");
        return std::unique_ptr<ProfileButton>(static_cast<ProfileButton*>(CreateProfileButton(element)));
    }

    FakeWidgetServices services;
    FixedMetrics metrics;
};

} // namespace

TEST(MenuWidgetKinds, EveryMenuKindHasItsCreator)
{
    InstallMenuWidgetCreators();
    for (const char* kind : {"MenuEffect", "ProfileButton", "SSView", "SaverTooltip", "QTVLogo", "ParticleTest"})
        EXPECT_NE(FindOutsideWidgetCreator(kind), nullptr) << kind;
}

TEST_F(ProfileButtonTest, TheGreetingIsCentredOnItsPointAndFollowsTheName)
{
    auto button = Make();
    EXPECT_EQ(button->centre, Point(600, 450));
    EXPECT_TRUE(button->fixed);
    EXPECT_EQ(button->playerName, "Player");
    button->AcceptMessage(Message("SetProfile", "Ann"));
    button->Draw();
    EXPECT_EQ(button->totalWidth, 100 + 30 + 6);
    EXPECT_EQ(Corners(button->rect), (std::vector<int>{600 - 68, 420, 136, 60}));
    // An empty name still leaves the welcome picture and the offset.
    button->AcceptMessage(Message("SetProfile", ""));
    button->Draw();
    EXPECT_EQ(Corners(button->rect), (std::vector<int>{600 - 53, 420, 106, 60}));
    button->AcceptMessage(Message("Other", "Bo"));
    EXPECT_EQ(button->playerName, "");
}

TEST_F(ProfileButtonTest, APressAndReleaseOverItPostsPressWithTheClick)
{
    auto button = Make();
    button->AcceptMessage(Message("SetProfile", "Ann"));
    button->Draw();
    EXPECT_FALSE(button->MouseDown(Point(100, 100)));
    EXPECT_TRUE(services.samples.empty());
    button->MouseMove(Point(600, 440));
    EXPECT_TRUE(button->MouseDown(Point(600, 440)));
    EXPECT_EQ(services.samples, std::vector<std::string>{"ButtonClick"});
    button->MouseUp(Point(600, 440));
    EXPECT_EQ(TakePosted(), std::vector<std::string>{"Profile/press/0"});
    // Pressed, moved away and released elsewhere: nothing.
    button->MouseDown(Point(600, 440));
    button->MouseMove(Point(100, 100));
    button->MouseUp(Point(100, 100));
    EXPECT_TRUE(TakePosted().empty());
}

TEST(SSView, EachSlideTurnsFromGreyToColourAndBack)
{
    FakeWidgetServices services;
    for (int n = 0; n < 4; ++n) {
        services.AddPicture("#SS_SHOTBW_" + std::to_string(n), 192, 144);
        services.AddPicture("#SS_SHOTCOLOR_" + std::to_string(n), 192, 144);
    }
    XmlElement element("<SSView name=\"Shots\"><position x=\"300\" y=\"450\"/></SSView>");
    std::unique_ptr<SSView> view(static_cast<SSView*>(CreateSSView(element)));
    EXPECT_EQ(view->corner, Point(300, 450)); // as written
    view->current = 2;
    view->next = 3;
    const Sprite* bw = view->blackAndWhite[2];
    const Sprite* colour = view->colour[2];
    const Sprite* nextBw = view->blackAndWhite[3];
    using Shots = std::vector<std::pair<const Sprite*, int>>;
    auto shots = [&](float t) {
        Shots out;
        for (const SSView::Shot& shot : view->ShotsAt(t))
            out.push_back({shot.picture, shot.alpha});
        return out;
    };
    EXPECT_EQ(shots(0.1f), (Shots{{bw, 255}}));
    EXPECT_EQ(shots(0.2f), (Shots{{colour, 255}, {bw, 170}}));
    EXPECT_EQ(shots(0.5f), (Shots{{colour, 255}}));
    EXPECT_EQ(shots(0.75f), (Shots{{colour, 255}, {bw, 85}}));
    EXPECT_EQ(shots(0.9f), (Shots{{bw, 255}, {nextBw, 84}}));
    EXPECT_EQ(shots(0.999f), (Shots{{bw, 255}, {nextBw, 253}}));
    // The widget's alpha scales every picture.
    view->color.a = 128;
    EXPECT_EQ(shots(0.2f), (Shots{{colour, 128}, {bw, 85}}));
}

TEST(SSView, TheSlideshowMovesOnEveryFiveSecondsAndResetStartsAgain)
{
    FakeWidgetServices services;
    XmlElement element("<SSView name=\"Shots\"/>");
    std::unique_ptr<SSView> view(static_cast<SSView*>(CreateSSView(element)));
    kernel.FlushPending();
    ASSERT_NE(view->slideshow, nullptr);
    // Steps of 1.25 s move the slide time by a quarter.
    for (int i = 0; i < 3; ++i)
        kernel.Update(1.25f);
    EXPECT_EQ(view->current, 0);
    EXPECT_FLOAT_EQ(view->SlideTime(), 0.75f);
    kernel.Update(1.25f);
    EXPECT_EQ(view->current, 1);
    EXPECT_EQ(view->next, 2);
    EXPECT_FLOAT_EQ(view->SlideTime(), 0.0f);
    for (int i = 0; i < 15; ++i)
        kernel.Update(1.25f);
    EXPECT_EQ(view->current, 0); // round the four and back
    EXPECT_EQ(view->next, 1);
    for (int i = 0; i < 4; ++i)
        kernel.Update(1.25f);
    EXPECT_EQ(view->current, 1);
    EXPECT_FLOAT_EQ(view->SlideTime(), 0.75f);
    view->AcceptMessage(Message("Reset"));
    EXPECT_EQ(view->current, 0);
    EXPECT_EQ(view->next, 1);
    EXPECT_FLOAT_EQ(view->SlideTime(), 0.0f);
    ASSERT_EQ(view->ShotsAt(view->SlideTime()).size(), 1u);
    EXPECT_EQ(view->ShotsAt(view->SlideTime())[0].picture, view->blackAndWhite[0]);
    // The view goes: its slideshow stops touching it and is swept out.
    SSViewSlideshow* slideshow = view->slideshow;
    kernel.StopControllersOf(view.get());
    EXPECT_EQ(view->slideshow, nullptr);
    EXPECT_TRUE(slideshow->IsFinished());
    view.reset();
    kernel.Update(0.1f);
    for (const IController* c : kernel.Active())
        EXPECT_NE(c, slideshow);
}

TEST(SaverTooltip, ItPopsUpAfterASecondAndFadesOutFromTenAndAHalf)
{
    MenuScene scene;
    const MenuIdleController controller(scene);
    struct Case {
        float T;
        int alpha;
        float scale;
    };
    const Case cases[] = {
        {1.0f, 0, 0.1f}, {1.25f, 127, 1.1f}, {1.5f, 255, 1.0f}, {5.0f, 255, 1.0f},
        {10.5f, 255, 1.0f}, {10.75f, 128, 1.1f}, {11.0f, 0, 0.1f},
    };
    for (const Case& c : cases) {
        int alpha = -1;
        float scale = -1.0f;
        SaverTooltip::Look(controller, c.T, alpha, scale);
        EXPECT_EQ(alpha, c.alpha) << c.T;
        EXPECT_NEAR(scale, c.scale, 1e-5f) << c.T;
    }
}

TEST(ParticleTest, APressSparklesWhereItIsAndGoesOn)
{
    ParticleTestController controller;
    XmlElement element("<ParticleTest name=\"Sparkles\"/>");
    ParticleTest test("Sparkles", controller);
    test.position = Point(10, 20);
    EXPECT_FALSE(test.MouseDown(Point(110, 220)));
    ASSERT_EQ(test.effects.effects.size(), 1u);
    const ParticleEffect* effect = test.effects.effects.front();
    EXPECT_FLOAT_EQ(effect->posX, 100.0f);
    EXPECT_FLOAT_EQ(effect->posY, 200.0f);
    EXPECT_FALSE(effect->IsFinished());
    EXPECT_FALSE(test.MouseDown(Point(0, 0)));
    EXPECT_EQ(test.effects.effects.size(), 2u);
}

TEST(ParticleTest, ItsControllerJoinsOnceLivesOnAndForgetsAWidgetThatGoes)
{
    ParticleTestController controller;
    auto first = std::make_unique<ParticleTest>("A", controller);
    ParticleTest second("B", controller);
    EXPECT_EQ(controller.widget, &second);
    kernel.FlushPending();
    int listed = 0;
    for (const IController* c : kernel.Active())
        listed += c == &controller ? 1 : 0;
    EXPECT_EQ(listed, 1);
    kernel.StopControllersOf(first.get());
    EXPECT_EQ(controller.widget, &second);
    kernel.StopControllersOf(&second);
    EXPECT_EQ(controller.widget, nullptr);
    // Stopped by name it leaves the lists, and is not deleted (it is on the stack).
    kernel.RemoveController("noname");
    kernel.Update(0.0f);
    EXPECT_FALSE(kernel.IsListed(&controller));
}
