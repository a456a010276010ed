// The shield screen without a display: its data files, the hand-over of an
// artefact, the hover, the wandering lights and the full-ray glow.

#include "WidgetTestSupport.h"

#include "engine/util/Random.h"
#include "game/screens/Shield.h"
#include "game/screens/ShieldDataFile.h"
#include "game/state/ArtefactCatalogue.h"
#include "game/state/GameInfo.h"
#include "gui/effects/EffectObserver.h"
#include "gui/effects/ParticleEffect.h"
#include "tests/support/ScopedLogFile.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

namespace {

// ShieldData.xml with `count` lights, light k at (100 k, 10) and 20 x 20.
std::string LightsFile(int count)
{
    std::string text = "<ShieldData><GemLightings>";
    for (int k = 0; k < count; ++k)
        text += "<Light texture=\"#Glow\" r=\"200\" g=\"100\" b=\"50\" x=\"" + std::to_string(100 * k) +
                "\" y=\"10\" width=\"20\" height=\"20\"/>";
    return text + "</GemLightings></ShieldData>";
}

// Lets the effect observer run until it has deleted every finished effect.
void SweepEffects()
{
    for (int i = 0; i < 10 && g_effectObserver.Count() > 0; ++i)
        g_effectObserver.Update(0.01f);
}

class ShieldTest : public ::testing::Test {
protected:
    ShieldTest() : _cwd(_dir.Path()) { SeedRandom(7); }
    ~ShieldTest() override
    {
        shield.reset();
        SweepEffects();
        kernel.FlushPending();
        kernel.Update(0.0f);
    }

    void Write(const std::string& name, const std::string& text) { testing_support::WriteTextFile(_dir.File(name), text); }

    void Make(int maxStage, int cycle)
    {
        shield.reset();
        if (!info.isPlayerExist("P"))
            info.AddNewPlayer("P");
        info.GetPlayer("P").maxStage = maxStage;
        info.GetPlayer("P").cycle = cycle;
        shield = std::make_unique<Shield>("Shield", nullptr, info, catalogue);
        shield->AcceptMessage(Message("Reset"));
    }

    void Accept(int n)
    {
        Message accept("AcceptArtefact");
        accept.variables.setInt("ArtNumber", n);
        shield->AcceptMessage(accept);
    }

    void Run(int frames)
    {
        for (int i = 0; i < frames; ++i)
            shield->Update(1.0f / 60.0f);
    }

    testing_support::TempDir _dir;
    testing_support::ScopedCurrentDir _cwd;
    testing_support::ScopedLogFile _log;
    FakeWidgetServices services;
    GameInfo info;
    ArtefactCatalogue catalogue;
    std::unique_ptr<Shield> shield;
};

} // namespace

TEST_F(ShieldTest, FirstStageOfTheFirstVoyageLightsNothing)
{
    Make(1, 1);
    for (int k = 0; k < Shield::kGems; ++k) {
        EXPECT_FALSE(shield->slots[static_cast<std::size_t>(k)].placed);
        EXPECT_EQ(shield->gems[static_cast<std::size_t>(k)].alpha, 0);
    }
}

TEST_F(ShieldTest, TheSecondVoyageLightsEveryGem)
{
    Make(3, 2);
    EXPECT_EQ(shield->stagesReached, 8);
    for (int k = 0; k < Shield::kGems; ++k)
        EXPECT_TRUE(shield->slots[static_cast<std::size_t>(k)].placed);
}

TEST_F(ShieldTest, HoverPlaysTheGemsNoteAndZeroWhenLeaving)
{
    Make(3, 1); // gems 0 and 1 lit
    shield->MouseMove(Point(660, 330)); // inside Sky
    EXPECT_EQ(shield->hover, 1);
    shield->MouseMove(Point(100, 100));
    EXPECT_EQ(shield->hover, -1);
    EXPECT_EQ(services.samples, (std::vector<std::string>{"ArtefactSound2", "ArtefactSound0"}));
    shield->MouseMove(Point(600, 260)); // Sun: not yet placed
    EXPECT_EQ(shield->hover, -1);
}

TEST_F(ShieldTest, AHeldArtefactIsSetByAClickAndOutOfRangeNumbersAreIgnored)
{
    Make(2, 1);
    EXPECT_FALSE(shield->MouseDown(Point(10, 10))) << "nothing held: nothing happens";
    shield->AcceptMessage(Message("SetTakedArtefact", 9));
    shield->AcceptMessage(Message("SetTakedArtefact", -1));
    EXPECT_EQ(shield->takenSlot, -1);
    EXPECT_NE(_log.Text().find("SetTakedArtefact 9"), std::string::npos);
    shield->AcceptMessage(Message("SetTakedArtefact", 1));
    EXPECT_EQ(shield->takenSlot, 1);
    EXPECT_FALSE(shield->MouseDown(Point(10, 10)));
    EXPECT_EQ(shield->takenSlot, -1);
    EXPECT_EQ(shield->shownHover, 1);
    EXPECT_TRUE(shield->slots[1].placed);
    Message accept("AcceptArtefact");
    accept.variables.setInt("ArtNumber", 7);
    shield->AcceptMessage(accept);
    EXPECT_FALSE(shield->accepting);
    accept.variables.setInt("ArtNumber", 1);
    shield->AcceptMessage(accept);
    EXPECT_TRUE(shield->accepting);
    for (int i = 0; i < 600; ++i)
        shield->Update(1.0f / 60.0f);
    EXPECT_EQ(shield->gems[1].alpha, 255);
    EXPECT_FALSE(shield->accepting);
}

TEST_F(ShieldTest, FullRayGlowStartsOnceForTheLastArtefactOfTheSecondVoyage)
{
    Make(7, 2);
    Accept(6);
    Run(300);
    EXPECT_TRUE(shield->rayGlowOn);
    info.GetPlayer("P").cycle = 1;
    shield->AcceptMessage(Message("Reset"));
    EXPECT_FALSE(shield->rayGlowOn);
    EXPECT_FALSE(shield->fullRayGlow.IsAlive());
}

TEST_F(ShieldTest, ShortPathsAreDroppedAndARepeatedPointNeverFreezesALight)
{
    Write("ShieldData.xml", "<ShieldData><GemLightPaths><Artefact>"
                            "<Path number=\"0\"><Point x=\"1\" y=\"1\"/></Path>"
                            "<Path number=\"9\"><Point x=\"1\" y=\"1\"/><Point x=\"5\" y=\"1\"/></Path>"
                            "<Path number=\"0\"><Point x=\"600\" y=\"200\"/><Point x=\"600\" y=\"200\"/>"
                            "<Point x=\"650\" y=\"200\"/></Path>"
                            "</Artefact></GemLightPaths></ShieldData>");
    Make(3, 1);
    ASSERT_EQ(shield->paths.size(), 1u);
    bool ran = false;
    for (int i = 0; i < 6000; ++i) {
        shield->Update(1.0f / 60.0f);
        const ShieldLightPath& path = shield->paths[0];
        ASSERT_TRUE(std::isfinite(path.t));
        ASSERT_TRUE(std::isfinite(path.position.x));
        ran = ran || (path.running && path.segment == 1);
    }
    EXPECT_TRUE(ran) << "the light passes the repeated point and runs on";
}

TEST_F(ShieldTest, OnlyTheLightsPresentAreUsedAndNeverMoreThanSeven)
{
    struct Case {
        int inFile;
        int used;
        bool logged;
    };
    for (const Case& c : {Case{0, 0, false}, Case{3, 3, false}, Case{7, 7, false}, Case{9, 7, true}}) {
        SCOPED_TRACE(c.inFile);
        Write("ShieldData.xml", LightsFile(c.inFile));
        const std::size_t logged = _log.Text().size();
        Make(3, 2); // every gem lit: each would want its light
        ASSERT_EQ(static_cast<int>(shield->lights.size()), c.used);
        EXPECT_EQ(_log.Text().find("past the seventh", logged) != std::string::npos, c.logged);
        // The rays over the centre take their colours from the lights there are.
        shield->rayGlowOn = true;
        for (int i = 0; i < 2000; ++i) {
            shield->Update(1.0f / 30.0f);
            ASSERT_GE(shield->rayNextLight, 0);
            ASSERT_LT(shield->rayNextLight, std::max(c.used, 1));
        }
    }
}

TEST_F(ShieldTest, AGemWithoutARayEntryIsSwitchedOnWithoutARay)
{
    Write("RayGem.xml", "<RayGem><Gem x=\"100\" y=\"200\" r=\"1\" g=\"2\" b=\"3\"/>"
                        "<Gem x=\"300\" y=\"400\" r=\"4\" g=\"5\" b=\"6\"/></RayGem>");
    Make(8, 1);
    EXPECT_NE(_log.Text().find("Only 2 Gem element(s)"), std::string::npos);
    Accept(1);
    ASSERT_EQ(shield->effects.effects.size(), 1u);
    EXPECT_FLOAT_EQ(shield->effects.effects.front()->posX, 360.0f);
    EXPECT_FLOAT_EQ(shield->effects.effects.front()->posY, 235.0f);
    SweepEffects();
    ASSERT_TRUE(shield->effects.Empty());

    Accept(5);
    EXPECT_TRUE(shield->effects.Empty()) << "no ray for a gem the file does not describe";
    EXPECT_EQ(shield->gemRay.Entry(5), nullptr);
    EXPECT_TRUE(shield->accepting);
    Run(600);
    EXPECT_EQ(shield->gems[5].alpha, 255) << "the gem still lights";
}

TEST_F(ShieldTest, EffectsDeletedByTheObserverWhileTheShieldHoldsThemAreLeftAlone)
{
    Write("ShieldData.xml", "<ShieldData><GemLightPaths><Artefact><Path number=\"0\">"
                            "<Point x=\"600\" y=\"200\"/><Point x=\"650\" y=\"200\"/>"
                            "<Point x=\"650\" y=\"260\"/></Path></Artefact></GemLightPaths></ShieldData>");
    Make(7, 2);
    Accept(6);
    Run(300);
    ASSERT_TRUE(shield->fullRayGlow.IsAlive());
    // Every effect the shield started ends (the library has none of them):
    // the observer deletes them frame by frame while the shield runs on.
    bool pathLit = false;
    for (int i = 0; i < 6000; ++i) {
        shield->Update(1.0f / 60.0f);
        pathLit = pathLit || shield->paths[0].effect.IsAlive();
        g_effectObserver.Update(1.0f / 60.0f);
    }
    EXPECT_TRUE(pathLit) << "the wandering light carried its effect";
    EXPECT_FALSE(shield->fullRayGlow.IsAlive());
    EXPECT_TRUE(shield->rayGlowOn);

    // Back to a first voyage: the rays go even though their effect is gone.
    info.GetPlayer("P").cycle = 1;
    shield->AcceptMessage(Message("Reset"));
    EXPECT_FALSE(shield->rayGlowOn);
    EXPECT_FLOAT_EQ(shield->rayGlowFade, 0.0f);
}

TEST_F(ShieldTest, AnArtefactFliesFromTheFieldToItsPlaceAndThenItsGemTurnsOn)
{
    Make(1, 1); // no gem placed yet
    ArtefactSlot& slot = shield->slots[0];
    shield->AcceptMessage(Message("Test"));
    EXPECT_TRUE(slot.placed);
    EXPECT_EQ(shield->overlayAlpha, 255);
    const auto frames = [](float seconds) {
        for (float t = 0.0f; t < seconds; t += 0.01f) {
            kernel.FlushPending();
            kernel.Update(0.01f);
        }
    };
    frames(0.25f);
    // The veil lifts over half a second while the piece waits at the field.
    EXPECT_NEAR(shield->overlayAlpha, 128, 10);
    EXPECT_FALSE(shield->highlightEnabled);
    EXPECT_FLOAT_EQ(slot.position.x, 50.0f);
    frames(0.3f);
    EXPECT_EQ(shield->overlayAlpha, 0);
    // Then it flies for four seconds, shrinking to a quarter, to its home.
    frames(2.0f);
    EXPECT_NE(slot.position.x, 50.0f);
    EXPECT_LT(slot.scale, 1.0f);
    EXPECT_EQ(shield->gems[0].alpha, 0);
    frames(2.05f);
    EXPECT_NEAR(slot.position.x, slot.home.x, 1.0f);
    EXPECT_NEAR(slot.position.y, slot.home.y, 1.0f);
    // The gem turns on over a second as the piece fades to half.
    frames(0.5f);
    EXPECT_GT(shield->gems[0].alpha, 60);
    EXPECT_LT(shield->gems[0].alpha, 200);
    EXPECT_FALSE(shield->highlightEnabled);
    frames(0.6f);
    EXPECT_GE(shield->gems[0].alpha, 250);
    EXPECT_NEAR(slot.alpha, 128, 3);
    EXPECT_TRUE(shield->highlightEnabled);
    // A second "Test" for a placed slot flies nothing.
    shield->AcceptMessage(Message("Test"));
    EXPECT_EQ(shield->overlayAlpha, 0);
}
