// The effect observer and effect lists: creation order, deletion in the
// frame an effect finishes, checked handles, missing names.

#include "gui/Widget.h"
#include "gui/controllers/ControllerManager.h"
#include "gui/effects/EffectObserver.h"
#include "gui/effects/ParticleManager.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A library entry of one system: n particles living `life` seconds, ended by
// a dead counter after `emit` seconds (never when emit < 0).
void Describe(const std::string& name, int n, float life, float emit)
{
    ParticleSystem& s = g_particleManager.System(name);
    s._lifeInitial = life;
    s.SetParticleCount(n);
    ParticleEffect& effect = g_particleManager.Effect(name);
    effect._systems.clear();
    effect._systems.emplace_back();
    effect._systems.back().CopyDescription(s);
    effect._systems.back()._needStartDeadCounter = emit >= 0.0f;
    effect._systems.back()._deadCountTime = emit;
}

struct ObserverFixture : testing::Test {
    void SetUp() override
    {
        Describe("Short", 4, 0.2f, 0.0f);
        Describe("Forever", 4, 0.5f, -1.0f);
    }
    void TearDown() override
    {
        // Stop and sweep whatever a test left running.
        for (int i = 0; i < 200 && g_effectObserver.Count() > 0; ++i) {
            StopAll();
            g_effectObserver.Update(0.1f);
        }
        g_particleManager._effects.clear();
        g_particleManager._systems.clear();
    }
    void StopAll()
    {
        for (ParticleEffect* e : widget.effects.effects)
            e->Stop();
    }

    Widget widget{"owner"};
};

} // namespace

TEST_F(ObserverFixture, EffectsRunAndDrawInCreationOrderAndGoInTheFrameTheyFinish)
{
    ParticleEffect* first = widget.AddEffect("Forever", 0.0f, 0.0f);
    ParticleEffect* second = widget.AddEffect("Short", 0.0f, 0.0f);
    ASSERT_NE(first, second);
    EXPECT_EQ(widget.effects.effects, (std::list<ParticleEffect*>{first, second}));
    EXPECT_EQ(g_effectObserver.Count(), 2u);
    const EffectHandle shortHandle = g_effectObserver.HandleOf(second);
    ASSERT_TRUE(shortHandle.IsAlive());

    g_effectObserver.Update(0.1f);
    EXPECT_EQ(first->_time, 0.1f); // both advanced once
    EXPECT_EQ(second->_time, 0.1f);

    // "Short" stops emitting at once; its particles are gone after 0.2 s,
    // and it is deleted in the very update that finishes it.
    int frames = 0;
    while (shortHandle.IsAlive() && frames < 20) {
        const bool finishesNow = second->_systems[0]._finished;
        g_effectObserver.Update(0.1f);
        ++frames;
        if (finishesNow) {
            EXPECT_FALSE(shortHandle.IsAlive());
        }
    }
    EXPECT_FALSE(shortHandle.IsAlive());
    EXPECT_EQ(shortHandle.Get(), nullptr);
    EXPECT_EQ(widget.effects.effects, (std::list<ParticleEffect*>{first}));
    EXPECT_EQ(g_effectObserver.Count(), 1u);
}

TEST_F(ObserverFixture, AMissingNameMakesAnEmptyEffectThatIsGoneAfterOneFrame)
{
    const EffectHandle handle = widget.effects.AddWithHandle("NoSuchEffect", 0.0f, 0.0f);
    EXPECT_TRUE(handle.IsAlive());
    EXPECT_EQ(g_particleManager._effects.count("NoSuchEffect"), 1u);
    EXPECT_TRUE(g_particleManager._effects.at("NoSuchEffect")._systems.empty());
    g_effectObserver.Update(0.02f);
    EXPECT_FALSE(handle.IsAlive());
    EXPECT_TRUE(widget.effects.Empty());
}

TEST_F(ObserverFixture, AListThatGoesAwayIsNoLongerTouched)
{
    EffectHandle handle;
    {
        EffectList list;
        handle = list.AddWithHandle("Short", 0.0f, 0.0f);
    }
    ASSERT_TRUE(handle.IsAlive());
    for (int i = 0; i < 10; ++i)
        g_effectObserver.Update(0.1f); // would write into the dead list
    EXPECT_FALSE(handle.IsAlive());
}

TEST_F(ObserverFixture, TheObserverJoinsTheControllerManagerOnceAndNeverFinishes)
{
    AddEffectObserver();
    AddEffectObserver();
    kernel.FlushPending();
    AddEffectObserver();
    int count = 0;
    for (IController* c : kernel.Active())
        count += c == &g_effectObserver ? 1 : 0;
    EXPECT_EQ(count, 1);
    EXPECT_TRUE(kernel.Pending().empty());
    EXPECT_EQ(g_effectObserver.GetName(), "EffectObserver");

    const EffectHandle handle = widget.effects.AddWithHandle("Short", 0.0f, 0.0f);
    for (int i = 0; i < 10; ++i)
        kernel.Update(0.1f);
    EXPECT_FALSE(handle.IsAlive());
    EXPECT_FALSE(g_effectObserver._finished);
}
