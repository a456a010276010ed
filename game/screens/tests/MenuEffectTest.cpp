// The menu backdrop's messages and its idle controller: the gem runs, the
// sync runs that light the gems a profile has earned, the hi-score panel
// with the logo switched off while it is out, the screensaver tip, and the
// school's renewal.

#include "game/screens/tests/MenuTestSupport.h"
#include "gui/controllers/ControllerManager.h"
#include "gui/effects/TextWithEffects.h"

#include <gtest/gtest.h>

using namespace menu_testing;

using MenuEffectTest = MenuFixture;

TEST_F(MenuEffectTest, BuildingFillsTheSceneAndListsTheControllerOnce)
{
    Build();
    EXPECT_EQ(scene->gemCount, 7);
    EXPECT_EQ(scene->gems[3].textureName, "GEM4");
    EXPECT_EQ(scene->waves.size(), 2u);
    EXPECT_EQ(scene->tracks.size(), 1u);
    EXPECT_EQ(scene->school.fish.size(), 6u);
    EXPECT_EQ(scene->fish.size(), 3u);
    EXPECT_EQ(scene->panelText.Size(), 30u);
    EXPECT_TRUE(scene->panelText.AllFinished());
    EXPECT_TRUE(kernel.IsListed(controller.get()));
    // A second backdrop adds to the lists; the controller stays listed once.
    MenuEffect second("Second", *scene, *controller);
    EXPECT_EQ(scene->waves.size(), 4u);
    EXPECT_EQ(scene->fish.size(), 6u);
    kernel.FlushPending();
    int listed = 0;
    for (const IController* c : kernel.Active())
        listed += c == controller.get() ? 1 : 0;
    EXPECT_EQ(listed, 1);
    // Gone, it leaves the lists.
    const IController* gone = controller.get();
    backdrop.reset();
    controller.reset();
    EXPECT_FALSE(kernel.IsListed(gone));
}

TEST_F(MenuEffectTest, TheControllerDrawsItsStartInAFixedOrder)
{
    SeedRandom(1234);
    const float r[] = {static_cast<float>(RandomInt()), static_cast<float>(RandomInt()), static_cast<float>(RandomInt()),
                       static_cast<float>(RandomInt())};
    SeedRandom(1234);
    MenuScene own;
    own.gemFlags.fill(true);
    const MenuIdleController idle(own);
    EXPECT_FLOAT_EQ(idle.schoolInterval, 2.0f + r[0] / 32767.0f * 4.0f);
    EXPECT_FLOAT_EQ(idle.drift._period, 0.2f + r[1] / 32767.0f * 0.8f);
    EXPECT_FLOAT_EQ(idle.drift._fromLevel, 100.0f + r[2] / 32767.0f * 155.0f);
    EXPECT_FLOAT_EQ(idle.drift._toLevel, 100.0f + r[3] / 32767.0f * 155.0f);
    EXPECT_EQ(idle.drift._color, Color(255, 255, 255, 255));
    EXPECT_EQ(idle.panel.state, HiScorePanel::kHidden);
    EXPECT_TRUE(idle.panel.idleClockRunning);
    for (bool flag : own.gemFlags)
        EXPECT_FALSE(flag);
}

TEST_F(MenuEffectTest, SyncGemsLightsTheGemsEarnedSinceTheyWereLastShown)
{
    struct Case {
        int maxStage, cycle, menuParam1;
        bool seenTip;
        bool run;
        int first, count;
        bool tip;
    };
    const Case cases[] = {
        {1, 1, 0, false, false, 0, 0, false},  // nothing earned, no tip on the first stage
        {4, 1, 0, false, true, 0, 3, true},    // three gems, and the tip
        {4, 1, 3, false, false, 0, 0, true},   // already shown: no run, the tip still
        {4, 1, 3, true, false, 0, 0, false},   // the tip was seen
        {3, 2, 2, true, true, 2, 5, false},    // the second cycle lights up to the seventh gem
        {12, 1, 0, true, true, 0, 7, false},   // a stage past the table lights seven
        {4, 1, -5, true, true, 0, 3, false},   // a broken progress counts from the first gem
        {4, 1, 12, true, false, 0, 0, false},  // and never past the table
    };
    for (const Case& c : cases) {
        ActiveProfile profile(c.maxStage, c.cycle, c.menuParam1, c.seenTip);
        Build();
        scene->gemFlags.fill(true);
        Tell("SyncGems");
        for (bool flag : scene->gemFlags)
            EXPECT_FALSE(flag);
        EXPECT_EQ(scene->syncRun, c.run) << c.maxStage << "/" << c.menuParam1;
        if (c.run) {
            EXPECT_EQ(controller->syncFirst, c.first);
            EXPECT_EQ(controller->syncCount, c.count);
            EXPECT_FLOAT_EQ(controller->syncTime, 0.0f);
        }
        EXPECT_EQ(controller->tip.showing, c.tip) << c.maxStage << "/" << c.menuParam1;
        backdrop.reset();
        controller.reset();
        scene.reset();
    }
}

TEST_F(MenuEffectTest, EachGemOfASyncRunTakesTwoAndAHalfSeconds)
{
    // The sync time runs at 0.4 / count a second and each gem has 1 / count
    // of it: one gem lights in 2.5 s, seven one after another in 17.5 s.
    for (int gems : {1, 7}) {
        ActiveProfile profile(gems + 1, 1, 0);
        Build();
        Tell("SyncGems");
        ASSERT_TRUE(scene->syncRun);
        for (int k = 0; k < gems; ++k) {
            Run(2.4f);
            const float p = (controller->syncTime - static_cast<float>(k) / static_cast<float>(gems)) *
                            static_cast<float>(gems);
            EXPECT_GT(p, 0.9f) << gems << "/" << k;
            EXPECT_LT(p, 1.0f) << gems << "/" << k;
            EXPECT_TRUE(scene->syncRun);
            if (k + 1 < gems)
                Run(0.1f);
        }
        EXPECT_EQ(profile.Get().menuParam1, 0);
        Run(0.2f);
        EXPECT_FALSE(scene->syncRun) << gems;
        EXPECT_EQ(profile.Get().menuParam1, gems);
    }
}

TEST_F(MenuEffectTest, TheSecondCycleEndsWithAllSevenGemsSet)
{
    ActiveProfile profile(2, 2, 0);
    Build();
    Tell("SyncGems");
    EXPECT_EQ(controller->syncCount, 7);
    Run(7 * 2.5f + 0.2f);
    EXPECT_FALSE(scene->syncRun);
    EXPECT_EQ(profile.Get().menuParam1, 7);
}

TEST_F(MenuEffectTest, EndGemEffectsDuringASyncRunSetsTheGemsAtOnce)
{
    ActiveProfile profile(5, 1, 1);
    Build();
    Tell("SyncGems");
    Run(1.0f);
    ASSERT_TRUE(scene->syncRun);
    Tell("GemEffect");
    Tell("EndGemEffects");
    EXPECT_FALSE(scene->gemRun);
    EXPECT_FALSE(scene->syncRun);
    EXPECT_EQ(profile.Get().menuParam1, 4);
    // Without a sync run nothing changes the progress.
    profile.Get().menuParam1 = 2;
    Tell("EndGemEffects");
    EXPECT_EQ(profile.Get().menuParam1, 2);
}

TEST_F(MenuEffectTest, AGemRunLastsThirteenSecondsAndEndSyncGemsEndsIt)
{
    ActiveProfile profile(6, 1, 0);
    Build();
    Tell("EndSyncGems"); // no run: nothing
    EXPECT_EQ(profile.Get().menuParam1, 0);
    scene->gemFlags.fill(true);
    Tell("GemEffect");
    EXPECT_TRUE(scene->gemRun);
    EXPECT_FLOAT_EQ(controller->GemRunTime(), 0.0f);
    for (bool flag : scene->gemFlags)
        EXPECT_FALSE(flag);
    Run(13.2f);
    EXPECT_TRUE(scene->gemRun);
    Run(0.2f);
    EXPECT_FALSE(scene->gemRun);

    Tell("GemEffect");
    Run(3.0f);
    Tell("EndSyncGems");
    EXPECT_FALSE(scene->gemRun);
    EXPECT_EQ(profile.Get().menuParam1, 5);
}

TEST_F(MenuEffectTest, ThePanelSlidesInAfterThirtyIdleSecondsWithTheLogoOffWhileItIsOut)
{
    ActiveProfile profile;
    Build();
    std::vector<int> states;
    for (int frame = 0; frame < 45 * 20; ++frame) {
        controller->Update(0.05f);
        const int state = controller->panel.state;
        if (states.empty() || states.back() != state)
            states.push_back(state);
        ASSERT_EQ(logo.enabled, state == HiScorePanel::kHidden) << frame;
    }
    EXPECT_EQ(states, (std::vector<int>{0, 1, 2, 3, 0}));
    EXPECT_EQ(logo.switches, (std::vector<bool>{false, true}));
}

TEST_F(MenuEffectTest, ThePanelMovesAlongItsSlideAndStandsAt25)
{
    Build();
    HiScorePanel& panel = controller->panel;
    panel.state = HiScorePanel::kSlidingIn;
    panel.timer = 0.0f;
    EXPECT_FLOAT_EQ(panel.X(), -450.0f);
    panel.timer = 0.5f;
    EXPECT_FLOAT_EQ(panel.X(), 45.0f);
    panel.state = HiScorePanel::kShown;
    EXPECT_FLOAT_EQ(panel.X(), 25.0f);
    panel.state = HiScorePanel::kSlidingOut;
    panel.timer = 0.0f;
    EXPECT_FLOAT_EQ(panel.X(), 25.0f);
    panel.timer = 0.999f;
    EXPECT_LT(panel.X(), -440.0f);
}

TEST_F(MenuEffectTest, HiscoreTickZeroFreezesTheIdleCountAndAPositiveOneStartsItAgain)
{
    Build();
    Run(20.0f);
    Tell("HiscoreTick", 0);
    EXPECT_FLOAT_EQ(controller->panel.timer, 0.0f);
    Run(40.0f);
    EXPECT_EQ(controller->panel.state, HiScorePanel::kHidden);
    EXPECT_FLOAT_EQ(controller->panel.timer, 0.0f);
    Tell("HiscoreTick", 1);
    Run(29.0f);
    Tell("HiscoreTick", 3); // a new count from here
    Run(29.0f);
    EXPECT_EQ(controller->panel.state, HiScorePanel::kHidden);
    Run(1.1f);
    EXPECT_EQ(controller->panel.state, HiScorePanel::kSlidingIn);
    // Once out, a tick neither stops nor restarts it.
    Tell("HiscoreTick", 0);
    Run(1.1f);
    EXPECT_EQ(controller->panel.state, HiScorePanel::kShown);
}

TEST_F(MenuEffectTest, OnlyAClickOnTheShownRowsSendsThePanelOutAndThePressGoesOn)
{
    Build();
    Run(30.1f);
    ASSERT_EQ(controller->panel.state, HiScorePanel::kSlidingIn);
    EXPECT_FALSE(backdrop->MouseDown(Point(100, 300)));
    EXPECT_EQ(controller->panel.state, HiScorePanel::kSlidingIn);
    Run(1.0f);
    ASSERT_EQ(controller->panel.state, HiScorePanel::kShown);
    Run(2.0f);
    EXPECT_FALSE(backdrop->MouseDown(Point(100, 300)));
    EXPECT_EQ(controller->panel.state, HiScorePanel::kSlidingOut);
    EXPECT_FLOAT_EQ(controller->panel.timer, 0.0f);
    EXPECT_FALSE(backdrop->MouseDown(Point(100, 300)));
    EXPECT_EQ(controller->panel.state, HiScorePanel::kSlidingOut);
    Run(1.05f);
    EXPECT_EQ(controller->panel.state, HiScorePanel::kHidden);
    EXPECT_TRUE(logo.enabled);
}

TEST_F(MenuEffectTest, TenRowsFromAShortTableLeaveTheRestBlank)
{
    const StringTable strings = {{"Cycle", "Cycle"}};
    const StringTable* previous = g_stringTable;
    g_stringTable = &strings;
    Build();
    TextWithEffects& text = scene->panelText;
    text.String("Value9").SetText("old");
    const std::vector<HiScoresElem> table = {{"Hanno", 10000, 1, 0}, {"Elissa", 900, 2, 1}, {"Mago", 0, 3, 2}};
    HiScorePanel::FillRows(text, table);
    EXPECT_EQ(text.String("Name1")._text, "Hanno");
    EXPECT_EQ(text.String("Value1")._text, "10000");
    EXPECT_EQ(text.String("Adventure2")._text, "Cycle 2");
    EXPECT_EQ(text.String("Value3")._text, "0");
    for (int i = 4; i <= 10; ++i) {
        for (const char* column : {"Name", "Value", "Adventure"})
            EXPECT_EQ(text.String(column + std::to_string(i))._text, "") << column << i;
    }
    // A text without the rows' strings gets them.
    TextWithEffects bare;
    HiScorePanel::FillRows(bare, table);
    EXPECT_EQ(bare.Size(), 30u);
    g_stringTable = previous;
}

TEST_F(MenuEffectTest, TheTipCountsAsSeenSevenSecondsAfterItStarts)
{
    ActiveProfile profile(2, 1, 1, false);
    Build();
    Tell("SyncGems");
    ASSERT_TRUE(controller->tip.showing);
    Run(6.9f);
    EXPECT_FALSE(profile.Get().showSSTip);
    Run(0.2f);
    EXPECT_TRUE(profile.Get().showSSTip);
    EXPECT_TRUE(controller->tip.showing);
    Run(3.8f);
    EXPECT_TRUE(controller->tip.showing);
    Run(0.2f);
    EXPECT_FALSE(controller->tip.showing);
    EXPECT_FLOAT_EQ(controller->tip.time, 0.0f);
}

TEST_F(MenuEffectTest, TheTipMessagesNeedTheScreensaver)
{
    ActiveProfile profile;
    Build();
    const bool previous = gameInfo._useScreensaver;
    gameInfo._useScreensaver = false;
    Tell("ShowSaverTip");
    EXPECT_FALSE(controller->tip.showing);
    gameInfo._useScreensaver = true;
    Tell("ShowSaverTip");
    EXPECT_TRUE(controller->tip.showing);
    Run(3.0f);
    Tell("HideSaverTip");
    EXPECT_FLOAT_EQ(controller->tip.time, 10.51f);
    Run(0.2f);
    Tell("HideSaverTip"); // fading out already
    EXPECT_NEAR(controller->tip.time, 10.71f, 1e-4f);
    Run(0.4f);
    EXPECT_FALSE(controller->tip.showing);
    gameInfo._useScreensaver = previous;
}

TEST_F(MenuEffectTest, TheSchoolIsRenewedOnARandomTrackAfterItsRun)
{
    Build();
    const float firstInterval = controller->schoolInterval;
    EXPECT_GE(firstInterval, 2.0f);
    EXPECT_LE(firstInterval, 6.0f);
    Run(4.0f + firstInterval + 0.2f);
    EXPECT_LT(scene->school.time, 0.5f);
    EXPECT_GE(controller->schoolInterval, 5.0f);
    EXPECT_LE(controller->schoolInterval, 15.0f);
    EXPECT_EQ(scene->school.fish.size(), 6u);
}

TEST_F(MenuEffectTest, NoTracksNoSchoolAndTheMenuStillRuns)
{
    Rewrite("MenuEffects.xml", "<MenuEffects numOfFishes=\"1\"><Gem x=\"1\" y=\"2\" tex=\"NONE\"/></MenuEffects>");
    Build();
    EXPECT_TRUE(scene->school.fish.empty());
    EXPECT_EQ(scene->gemCount, 1);
    EXPECT_FALSE(scene->HasGem(0)); // its picture is missing
    Run(60.0f, 0.5f);
    backdrop->Draw();
    EXPECT_TRUE(scene->school.fish.empty());
}

TEST_F(MenuEffectTest, TheDriftStaysBetweenItsEndsWhateverTheFrame)
{
    Build();
    for (float dt : {0.016f, 0.5f, 3.0f, 40.0f}) {
        for (int i = 0; i < 50; ++i) {
            controller->Update(dt);
            ASSERT_GE(controller->drift._level, 10.0f) << dt;
            ASSERT_LE(controller->drift._level, 255.0f) << dt;
        }
    }
    EXPECT_GE(controller->bandPhase, 0.0f);
    EXPECT_LT(controller->bandPhase, 1.0f);
}
