// Texts with effects: the strings' timing, their flames and start effects in
// the owner's list, disabled strings, StringBoom, Finish against Reset, and
// flames that the observer deleted first.

#include "gui/FontAccess.h"
#include "gui/effects/EffectList.h"
#include "gui/effects/EffectObserver.h"
#include "gui/effects/ParticleManager.h"
#include "gui/effects/TextWithEffects.h"

#include <gtest/gtest.h>

namespace {

// Every font 20 high and 10 wide a character.
struct FixedMetrics : FontMetricsSource {
    int LineHeight(const std::string&) override { return 20; }
    int TextWidth(const std::string& text, const std::string&) override
    {
        return 10 * static_cast<int>(text.size());
    }
};

// A library entry of one system of n particles living `life` seconds that
// respawn until stopped, or end by a dead counter after `emit` seconds.
void Describe(const std::string& name, float life, float emit)
{
    ParticleSystem& s = g_particleManager.System(name);
    s._lifeInitial = life;
    s.SetParticleCount(4);
    ParticleEffect& effect = g_particleManager.Effect(name);
    effect._systems.clear();
    effect._systems.emplace_back();
    effect._systems.back().CopyDescription(s);
    effect._systems.back()._needStartDeadCounter = emit >= 0.0f;
    effect._systems.back()._deadCountTime = emit;
}

struct TextEffectsFixture : testing::Test {
    void SetUp() override
    {
        SetFontMetricsSource(&metrics);
        Describe("Flame", 0.3f, -1.0f);
        Describe("Burst", 0.3f, 0.0f);
    }
    void TearDown() override
    {
        for (int i = 0; i < 200 && g_effectObserver.Count() > 0; ++i) {
            for (ParticleEffect* e : owner.effects)
                e->Stop();
            g_effectObserver.Update(0.1f);
        }
        g_particleManager._effects.clear();
        g_particleManager._systems.clear();
        SetFontMetricsSource(nullptr);
    }

    TextEffectString Burning(float show, float start)
    {
        TextEffectString s;
        s.SetText("Hello");
        s._showTime = show;
        s._startTime = start;
        s.SetRightFlame("Flame");
        s.SetLeftFlame("Flame");
        return s;
    }

    void Step(float dt, int times)
    {
        for (int i = 0; i < times; ++i) {
            text.Update(dt);
            g_effectObserver.Update(dt);
        }
    }

    FixedMetrics metrics;
    EffectList owner;
    TextWithEffects text;
};

} // namespace

TEST_F(TextEffectsFixture, AStringWaitsBurnsInAndArrives)
{
    TextEffectString s = Burning(2.0f, 1.0f);
    s._startMode = TextEffectString::kCenterBurn;
    text.Insert("A", s);
    text.SetOwner(&owner);
    TextEffectString& a = *text.Find("A");

    Step(0.25f, 7); // 1.75 s
    EXPECT_EQ(a._state, TextEffectString::kWaiting);
    EXPECT_TRUE(owner.Empty());
    EXPECT_FALSE(text.AllFinished());

    Step(0.25f, 1); // 2 s: the burn begins, both flames at the centre
    EXPECT_EQ(a._state, TextEffectString::kArriving);
    ASSERT_NE(a.RightFlame(), nullptr);
    ASSERT_NE(a.LeftFlame(), nullptr);
    EXPECT_EQ(a.RightFlame()->posX, 25.0f);
    EXPECT_EQ(a.RightFlame()->posY, 10.0f);
    EXPECT_EQ(owner.effects.size(), 2u);

    Step(0.25f, 3);
    EXPECT_FALSE(a._done);
    EXPECT_FALSE(text.AllFinished());
    ParticleEffect* flame = a.RightFlame();
    Step(0.25f, 1); // 3 s: arrived; the flames let their particles die out
    EXPECT_TRUE(a._done);
    EXPECT_EQ(a._state, TextEffectString::kShown);
    EXPECT_TRUE(text.AllFinished());
    EXPECT_EQ(a.RightFlame(), nullptr);
    EXPECT_EQ(a.LeftFlame(), nullptr);
    EXPECT_FALSE(flame->_systems[0]._respawn);

    // A string that stays for good keeps no clock.
    Step(0.25f, 4);
    EXPECT_EQ(a._time, 0.0f);
    EXPECT_EQ(a._state, TextEffectString::kShown);
}

TEST_F(TextEffectsFixture, HoldAndEndTimesTakeTheStringAwayWithItsEndEffect)
{
    TextEffectString s;
    s._holdTime = 0.5f;
    s._endTime = 0.5f;
    s._hasEndEffect = true;
    s._endEffect = "Flame";
    s._startTime = 0.25f;
    text.Insert("A", s);
    text.SetOwner(&owner);
    const TextEffectString& a = *text.Find("A");
    const int states[] = {1, 2, 2, 3, 3, 4, 4, 4};
    for (int expected : states) {
        Step(0.25f, 1);
        EXPECT_EQ(a._state, expected);
    }
    EXPECT_EQ(owner.effects.size(), 1u); // the end effect, from state 3 on
}

TEST_F(TextEffectsFixture, DisabledStringsNeverHoldTheTextBack)
{
    TextEffectString s = Burning(0.0f, 0.5f);
    text.Insert("A", s);
    s._enabled = false;
    s._showTime = 100.0f;
    text.Insert("B", s);
    text.SetOwner(&owner);
    Step(0.25f, 1);
    EXPECT_FALSE(text.AllFinished());
    Step(0.25f, 2);
    EXPECT_TRUE(text.AllFinished());
    EXPECT_EQ(text.Find("B")->_state, TextEffectString::kWaiting);
    EXPECT_EQ(text.Find("B")->_time, 0.0f);
}

TEST_F(TextEffectsFixture, StringBoomStartsItsEffectButNoFlames)
{
    TextEffectString s = Burning(0.0f, 1.0f);
    s._startMode = TextEffectString::kStringBoom;
    s._hasStartEffect = true;
    s._startEffect = "Burst";
    s._hasStartSound = true;
    s._startSound = "boom";
    s._align = 2;
    s._x = 100.0f;
    text.Insert("A", s);
    text.SetOwner(&owner);
    text.Update(0.0f);
    const TextEffectString& a = *text.Find("A");
    EXPECT_EQ(a._state, TextEffectString::kArriving);
    EXPECT_EQ(a.RightFlame(), nullptr);
    EXPECT_EQ(a.LeftFlame(), nullptr);
    ASSERT_EQ(owner.effects.size(), 1u);
    EXPECT_EQ(owner.effects.front()->posX, 100.0f); // centred at x
    EXPECT_EQ(owner.effects.front()->posY, 10.0f);
}

TEST_F(TextEffectsFixture, FinishLetsFlamesDieOutWhileResetEndsThemAtOnce)
{
    text.Insert("A", Burning(0.0f, 2.0f));
    text.SetOwner(&owner);
    Step(0.1f, 2);
    TextEffectString& a = *text.Find("A");
    const EffectHandle right = a._rightFlameEffect;
    ASSERT_TRUE(right.IsAlive());

    text.Finish();
    EXPECT_TRUE(text.AllFinished());
    EXPECT_TRUE(a._done);
    EXPECT_EQ(a._state, TextEffectString::kShown);
    EXPECT_EQ(a.RightFlame(), nullptr);
    g_effectObserver.Update(0.01f);
    ASSERT_TRUE(right.IsAlive()) << "a finished text's flames fade out";
    EXPECT_FALSE(right.Get()->_systems[0]._respawn);
    for (int i = 0; i < 20 && right.IsAlive(); ++i)
        g_effectObserver.Update(0.1f);
    EXPECT_FALSE(right.IsAlive());

    // Reset: back to waiting, and flames of a running burn vanish at once.
    text.Reset();
    EXPECT_FALSE(text.AllFinished());
    EXPECT_EQ(a._state, TextEffectString::kWaiting);
    EXPECT_FALSE(a._done);
    Step(0.1f, 2);
    const EffectHandle again = a._rightFlameEffect;
    ASSERT_TRUE(again.IsAlive());
    text.Reset();
    EXPECT_EQ(a.RightFlame(), nullptr);
    g_effectObserver.Update(0.01f);
    EXPECT_FALSE(again.IsAlive());
    EXPECT_TRUE(owner.Empty());
}

TEST_F(TextEffectsFixture, AFlameTheObserverDeletedIsNeverTouchedAgain)
{
    TextEffectString s = Burning(0.0f, 5.0f);
    s.SetRightFlame("Burst"); // ends by itself within the burn
    text.Insert("A", s);
    text.SetOwner(&owner);
    Step(0.1f, 1);
    TextEffectString& a = *text.Find("A");
    const EffectHandle right = a._rightFlameEffect;
    ASSERT_TRUE(right.IsAlive());
    for (int i = 0; i < 20 && right.IsAlive(); ++i)
        g_effectObserver.Update(0.1f);
    ASSERT_FALSE(right.IsAlive());
    EXPECT_EQ(a.RightFlame(), nullptr);
    // Each of these would reach the deleted flame through a plain pointer.
    a.StopFlames();
    text.Reset();
    text.Finish();
    a.KillFlames();
    EXPECT_TRUE(a._done);
}

TEST_F(TextEffectsFixture, ARevealOfNoLengthShowsTheStringAtOnce)
{
    TextEffectString s = Burning(0.5f, 0.0f);
    text.Insert("A", s);
    text.SetOwner(&owner);
    Step(0.25f, 1);
    EXPECT_FALSE(text.AllFinished());
    Step(0.25f, 1);
    const TextEffectString& a = *text.Find("A");
    EXPECT_EQ(a._state, TextEffectString::kShown);
    EXPECT_TRUE(a._done);
    EXPECT_TRUE(text.AllFinished());
    EXPECT_TRUE(owner.Empty()) << "no flames for a reveal that takes no time";
}

TEST_F(TextEffectsFixture, ATextWithoutAnOwnerStartsNoEffects)
{
    TextEffectString s = Burning(0.0f, 1.0f);
    s._hasStartEffect = true;
    s._startEffect = "Burst";
    text.Insert("A", s);
    const std::size_t before = g_effectObserver.Count();
    text.Update(0.1f);
    EXPECT_EQ(text.Find("A")->_state, TextEffectString::kArriving);
    EXPECT_EQ(g_effectObserver.Count(), before);
    EXPECT_EQ(text.Find("A")->RightFlame(), nullptr);
}

TEST_F(TextEffectsFixture, NamesAreUniqueAndAMissingNameIsMadeOnDemand)
{
    TextEffectString s;
    s._x = 1.0f;
    EXPECT_TRUE(text.Insert("A", s));
    s._x = 2.0f;
    EXPECT_FALSE(text.Insert("A", s));
    EXPECT_EQ(text.Find("A")->_x, 1.0f);

    text.SetOwner(&owner);
    text.FinishString("Name3");
    ASSERT_NE(text.Find("Name3"), nullptr);
    EXPECT_TRUE(text.Find("Name3")->_done);
    EXPECT_EQ(text.Find("Name3")->_owner, &owner);
    text.String("Value3").SetText("1200");
    EXPECT_EQ(text.Find("Value3")->_width, 40.0f);
    EXPECT_EQ(text.Find("Value3")->_height, 20.0f);
}

TEST_F(TextEffectsFixture, CentrePointAndLeftEdgeFollowTheAlignment)
{
    struct Case {
        int align;
        float centre, left;
    };
    const Case cases[] = {{0, 125.0f, 100.0f}, {1, 75.0f, 50.0f}, {2, 100.0f, 75.0f}};
    for (const Case& c : cases) {
        TextEffectString s;
        s.SetText("Hello");
        s._x = 100.0f;
        s._y = 40.0f;
        s._align = c.align;
        EXPECT_EQ(s.CenterX(), c.centre) << c.align;
        EXPECT_EQ(s.LeftEdge(), c.left) << c.align;
        EXPECT_EQ(s.CenterY(), 50.0f);
    }
}
