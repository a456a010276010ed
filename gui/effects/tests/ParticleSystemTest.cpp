// Particle systems and effects without a device: lives, curves, start
// delays, stopping and dead counting, and the colour and quad arithmetic.

#include "engine/render/VertexBatch.h"
#include "engine/util/Random.h"
#include "gui/effects/ParticleEffect.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr float kHalfPi = 1.5707963f;

ParticleParam Constant(float value)
{
    ParticleParam p;
    p._initial = value;
    return p;
}

// A system of n particles that live `life` seconds, all values constant.
ParticleSystem MakeSystem(int n, float life, float startTime = 0.0f)
{
    ParticleSystem s;
    s._lifeInitial = life;
    s._startTime = startTime;
    s._paramSize = Constant(4.0f);
    s._paramRed = s._paramGreen = s._paramBlue = s._paramAlpha = Constant(255.0f);
    s.SetParticleCount(n);
    return s;
}

ParticleEffect MakeEffect(ParticleSystem system)
{
    ParticleEffect effect;
    effect._systems.push_back(std::move(system));
    effect.Reset();
    return effect;
}

int LiveCount(const ParticleSystem& s)
{
    int n = 0;
    for (const Particle& p : s._particles)
        n += (p._alive && p._age >= 0.0f) ? 1 : 0;
    return n;
}

} // namespace

TEST(ParticleSystem, StartDelaysSpreadOverTheStartTimeAndBirthFollowsTheEmitter)
{
    SeedRandom(7);
    ParticleSystem s = MakeSystem(300, 10.0f, 2.0f);
    float earliest = 0.0f;
    float latest = -10.0f;
    for (const Particle& p : s._particles) {
        EXPECT_LE(p._age, 0.0f);
        EXPECT_GT(p._age, -2.0f);
        earliest = std::min(earliest, p._age);
        latest = std::max(latest, p._age);
    }
    EXPECT_LT(earliest, -1.8f); // the delays really fill the two seconds
    EXPECT_GT(latest, -0.2f);

    // The emitter moves while particles wait: each is born where it is when
    // its own delay ends.
    s._posX = 100.0f;
    s.Update(1.0f);
    s._posX = 200.0f;
    s.Update(1.5f);
    for (const Particle& p : s._particles) {
        const float delay = p._age - 2.5f; // the age it started with
        EXPECT_FLOAT_EQ(p._baseX, delay < -1.0f ? 200.0f : 100.0f);
    }
}

TEST(ParticleParam, ACurveOfThreeKeysPeaksAtHalfLife)
{
    ParticleParam p;
    p._hasSpline = true;
    for (float v : {0.0f, 10.0f, 0.0f}) {
        ParticleKey key;
        key._initial = v;
        p._keys.push_back(key);
    }
    p.Reset(); // no variation: drawn values 0, 10, 0 less at most 0.001
    p.Update(0.1f, 0.5f);
    EXPECT_NEAR(p._value, 10.0f, 0.002f);
    p.Update(0.1f, 0.25f);
    const float rising = p._value;
    p.Update(0.1f, 0.9f);
    const float falling = p._value;
    EXPECT_GT(rising, 0.5f);
    EXPECT_LT(rising, 10.0f);
    EXPECT_LT(falling, rising);
    p.Update(0.1f, 0.999f);
    EXPECT_NEAR(p._value, 0.0f, 0.1f);
}

TEST(ParticleParam, OneKeyHoldsItsValueAndAnOffsetOnTheFirstKeyIsIgnored)
{
    ParticleParam p;
    p._hasSpline = true;
    ParticleKey key;
    key._initial = 7.0f;
    key._offset = true;
    p._keys.push_back(key);
    p.Reset();
    for (float f : {0.0f, 0.3f, 0.99f}) {
        p.Update(0.1f, f);
        EXPECT_NEAR(p._value, 7.0f, 0.002f) << f;
    }
    // Later offsets add the previous key's drawn value.
    ParticleKey second;
    second._initial = 3.0f;
    second._offset = true;
    p._keys.push_back(second);
    p.Reset();
    EXPECT_NEAR(p._keys[1]._value, 10.0f, 0.003f);
}

TEST(ParticleParam, WithoutACurveTheRateMovesTheValue)
{
    ParticleParam p = Constant(5.0f);
    p._d = 2.0f;
    p.Reset();
    p.Update(0.5f, 0.1f);
    EXPECT_NEAR(p._value, 6.0f, 0.002f);
}

TEST(ParticleSystem, AnAngleOfNinetyDegreesTurnsTheQuadAQuarter)
{
    g_particleBatch.vertices.assign(1800, Vertex{});
    ParticleSystem::WriteQuad(0, 10.0f, 20.0f, 4.0f, 2.0f, kHalfPi, 0x80FF0000u);
    // The corner (-w/2, -h/2) = (-2, -1) turns to (1, -2).
    EXPECT_NEAR(g_particleBatch.vertices[0].x, 11.0f, 1e-4f);
    EXPECT_NEAR(g_particleBatch.vertices[0].y, 18.0f, 1e-4f);
    EXPECT_EQ(g_particleBatch.vertices[0].u, 0.0f);
    EXPECT_EQ(g_particleBatch.vertices[5].u, 1.0f);
    EXPECT_EQ(g_particleBatch.vertices[5].v, 1.0f);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(g_particleBatch.vertices[i].diffuse, 0x80FF0000u);
    g_particleBatch.vertices.clear();
}

TEST(ParticleSystem, ColourChannelsAreTintedTruncatedAndClamped)
{
    struct Case {
        float tint, value;
        int expected;
    };
    const Case cases[] = {{1.0f, 300.0f, 255}, {1.0f, -20.0f, 0},   {0.5f, 200.0f, 100},
                          {0.5f, 255.0f, 127}, {1.0f, 254.9f, 254}, {2.0f, 200.0f, 255}};
    for (const Case& c : cases)
        EXPECT_EQ(ParticleSystem::ClampChannel(c.tint, c.value), c.expected) << c.tint << " x " << c.value;
}

TEST(ParticleSystem, ParticleCountsAreKeptWithinTheBatch)
{
    for (auto [asked, made] : {std::pair{500, 300}, {300, 300}, {12, 12}, {0, 0}, {-5, 0}}) {
        ParticleSystem s;
        s.SetParticleCount(asked);
        EXPECT_EQ(s._particles.size(), static_cast<std::size_t>(made)) << asked;
    }
}

TEST(ParticleSystem, ALifeOfZeroOrLessEndsTheParticle)
{
    for (float life : {0.0f, -1.0f}) {
        ParticleEffect effect = MakeEffect(MakeSystem(5, life));
        effect._systems[0]._needStartDeadCounter = true;
        effect._systems[0]._deadCountTime = 0.0f;
        for (int frame = 0; frame < 3 && !effect.IsFinished(); ++frame)
            effect.Update(0.02f);
        EXPECT_TRUE(effect.IsFinished()) << life;
        for (const Particle& p : effect._systems[0]._particles)
            EXPECT_FALSE(std::isnan(p._x._value));
    }
}

TEST(ParticleEffect, StopLetsLiveParticlesFinishThenTheEffectEnds)
{
    SeedRandom(3);
    ParticleEffect effect = MakeEffect(MakeSystem(20, 1.0f, 0.5f));
    ParticleSystem late = MakeSystem(4, 1.0f);
    late._bornTime = 4.0f;
    effect._systems.push_back(late);
    effect.Reset();
    for (int i = 0; i < 100; ++i)
        effect.Update(0.05f); // five seconds: respawning all along
    ASSERT_FALSE(effect.IsFinished());
    ASSERT_FALSE(effect._systems[1]._waiting);
    effect.Stop();
    EXPECT_TRUE(effect._systems[0]._dying);
    EXPECT_FALSE(effect._systems[0]._respawn);
    effect.Update(0.5f);
    EXPECT_FALSE(effect.IsFinished());
    EXPECT_GT(effect._systems[0]._deadCount, 0);
    effect.Update(0.6f); // every particle alive at Stop has lived out its life
    EXPECT_EQ(effect._systems[0]._deadCount, 20);
    EXPECT_TRUE(effect._systems[0]._finished);
    EXPECT_FALSE(effect.IsFinished()); // one update after its last system
    effect.Update(0.01f);
    EXPECT_TRUE(effect.IsFinished());
}

TEST(ParticleEffect, StopFinishesSystemsThatHaveNotStarted)
{
    ParticleEffect effect = MakeEffect(MakeSystem(3, 1.0f));
    effect._systems[0]._bornTime = 10.0f;
    effect.Update(0.1f);
    effect.Stop();
    EXPECT_TRUE(effect._systems[0]._finished);
    effect.Update(0.1f);
    EXPECT_TRUE(effect.IsFinished());
}

TEST(ParticleEffect, ADeadCounterEmitsForItsTimeThenFinishes)
{
    ParticleEffect effect = MakeEffect(MakeSystem(10, 0.5f));
    effect._systems[0]._needStartDeadCounter = true;
    effect._systems[0]._deadCountTime = 1.0f;
    float t = 0.0f;
    while (!effect.IsFinished() && t < 5.0f) {
        effect.Update(0.05f);
        t += 0.05f;
        if (t < 0.9f) {
            EXPECT_TRUE(effect._systems[0]._respawn) << t;
        }
    }
    EXPECT_TRUE(effect.IsFinished());
    EXPECT_GT(t, 1.0f);
    EXPECT_LT(t, 1.7f);
}

TEST(ParticleEffect, ResetAfterStopPlaysTheEffectAgain)
{
    ParticleEffect effect = MakeEffect(MakeSystem(8, 0.3f));
    effect.Update(0.1f);
    effect.Stop();
    for (int i = 0; i < 20; ++i)
        effect.Update(0.05f);
    ASSERT_TRUE(effect.IsFinished());

    effect.Reset();
    const ParticleSystem& s = effect._systems[0];
    EXPECT_TRUE(s._respawn);
    EXPECT_FALSE(s._dying);
    EXPECT_EQ(s._deadCount, 0);
    for (int i = 0; i < 40; ++i)
        effect.Update(0.05f); // two seconds: several lives, all reborn
    EXPECT_FALSE(effect.IsFinished());
    EXPECT_EQ(LiveCount(s), 8);
}

TEST(ParticleEffect, AnEffectWithoutSystemsFinishesAtItsFirstUpdate)
{
    ParticleEffect effect;
    effect.Reset();
    EXPECT_FALSE(effect.IsFinished());
    effect.Update(0.0f);
    EXPECT_TRUE(effect.IsFinished());
}

TEST(ParticleEffect, ASystemStartsAtItsBornTimeAtTheEffectsPosition)
{
    ParticleEffect effect;
    effect.posX = 30.0f;
    effect.posY = 40.0f;
    ParticleSystem s = MakeSystem(2, 5.0f);
    s._bornTime = 0.5f;
    effect._systems.push_back(s);
    effect.Reset();
    effect.Update(0.3f);
    EXPECT_TRUE(effect._systems[0]._waiting);
    effect.Update(0.3f);
    EXPECT_FALSE(effect._systems[0]._waiting);
    for (const Particle& p : effect._systems[0]._particles) {
        EXPECT_FLOAT_EQ(p._baseX, 30.0f);
        EXPECT_FLOAT_EQ(p._baseY, 40.0f);
    }
    // Caught up by the time past its start, then advanced by the step.
    EXPECT_NEAR(effect._systems[0]._elapsed, 0.1f + 0.3f, 1e-5f);
}
