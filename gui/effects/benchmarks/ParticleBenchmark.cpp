// The per-frame cost of particles without a device: advancing a full
// system of 300 curved particles, and making an effect from the library.

#include "engine/util/Random.h"
#include "gui/effects/ParticleEffect.h"

#include <benchmark/benchmark.h>

namespace {

ParticleParam Curve(float a, float b, float c)
{
    ParticleParam p;
    p._hasSpline = true;
    for (float v : {a, b, c}) {
        ParticleKey key;
        key._initial = v;
        key._variation = 1.0f;
        p._keys.push_back(key);
    }
    return p;
}

ParticleEffect FullEffect()
{
    ParticleSystem s;
    s._lifeInitial = 1.0f;
    s._lifeVariation = 0.5f;
    s._startTime = 1.0f;
    s._paramX._variation = 30.0f;
    s._paramY._d = 20.0f;
    s._paramSize = Curve(1.0f, 10.0f, 0.0f);
    s._paramAngle._dVariation = 3.0f;
    s._paramRed._initial = s._paramGreen._initial = s._paramBlue._initial = 255.0f;
    s._paramAlpha = Curve(0.0f, 255.0f, 0.0f);
    s.SetParticleCount(ParticleSystem::kMaxParticles);
    ParticleEffect effect;
    effect._systems.push_back(s);
    effect.Reset();
    return effect;
}

void BM_UpdateFullSystem(benchmark::State& state)
{
    SeedRandom(1);
    ParticleEffect effect = FullEffect();
    for (auto _ : state) {
        effect.Update(1.0f / 60.0f);
        benchmark::DoNotOptimize(effect._systems[0]._particles[0]._x._value);
    }
}
BENCHMARK(BM_UpdateFullSystem);

void BM_CopyAndResetEffect(benchmark::State& state)
{
    SeedRandom(1);
    const ParticleEffect description = FullEffect();
    for (auto _ : state) {
        ParticleEffect copy = description;
        copy.Reset();
        benchmark::DoNotOptimize(copy._time);
    }
}
BENCHMARK(BM_CopyAndResetEffect);

} // namespace
