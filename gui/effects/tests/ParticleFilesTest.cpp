// The particles and effects files: defaults, caps, scales, skipped elements
// and the load errors.

#include "engine/render/Sprite.h"
#include "engine/resources/ResourceManager.h"
#include "engine/util/Random.h"
#include "gui/effects/ParticleManager.h"
#include "tests/support/ScopedLogFile.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

constexpr float kPi = 3.14159265f;

struct FilesFixture : testing::Test {
    void SetUp() override
    {
        cwd = std::make_unique<ScopedCurrentDir>(dir.Path());
        SeedRandom(11);
    }
    void Write(const std::string& name, const std::string& text) { WriteTextFile(dir.File(name), text); }

    TempDir dir;
    ScopedLogFile logFile;
    std::unique_ptr<ScopedCurrentDir> cwd;
    ParticleManager library;
};

} // namespace

TEST_F(FilesFixture, ParticlesLoadUnderAnyRootWithTheirDefaultsAndCaps)
{
    Write("p.xml", R"(<Anything>
  <ParticleSystem name="plain"/>
  <ParticleSystem name="normal" additive="false" numOfParticles="500" lifeInitial="2" lifeVariation="0.5"
                  startTime="1.5" linkedParticles="1"/>
  <ParticleSystem name="zero" additive="0" numOfParticles="-4"/>
  <ParticleSystem name="odd" additive="TRUE" numOfParticles="12"/>
  <ParticleSystem numOfParticles="3"/>
  <Other name="ignored"/>
</Anything>)");
    library.LoadParticles("p.xml");
    ASSERT_EQ(library._systems.size(), 4u);
    const ParticleSystem& plain = library._systems.at("plain");
    EXPECT_TRUE(plain._additive);
    EXPECT_EQ(plain._particles.size(), 300u);
    EXPECT_EQ(plain._lifeInitial, 0.0f);
    EXPECT_FALSE(plain._linkedParticles);
    EXPECT_EQ(plain._texture, nullptr);
    const ParticleSystem& normal = library._systems.at("normal");
    EXPECT_FALSE(normal._additive);
    EXPECT_EQ(normal._particles.size(), 300u);
    EXPECT_EQ(normal._lifeInitial, 2.0f);
    EXPECT_EQ(normal._lifeVariation, 0.5f);
    EXPECT_EQ(normal._startTime, 1.5f);
    EXPECT_TRUE(normal._linkedParticles);
    EXPECT_FALSE(library._systems.at("zero")._additive);
    EXPECT_EQ(library._systems.at("zero")._particles.size(), 0u);
    EXPECT_FALSE(library._systems.at("odd")._additive); // only "true" and "1" are true
    EXPECT_EQ(library._systems.at("odd")._particles.size(), 12u);
    EXPECT_NE(logFile.Text().find("Load particles"), std::string::npos);
}

TEST_F(FilesFixture, ParamsAreScaledAndAnglesAreDegrees)
{
    Write("p.xml", R"(<Particles><ParticleSystem name="s" numOfParticles="300">
  <Param name="angle" initial="180" variation="90" d="45"/>
  <Param name="alpha" initial="200" variation="10" dVariation="5">
    <spline><key initial="0"/><key initial="255" variation="10"/><key initial="-10" offset="true"/></spline>
  </Param>
  <Param name="nonsense" initial="3"/>
</ParticleSystem></Particles>)");
    library.LoadParticles("p.xml");
    const ParticleSystem& s = library._systems.at("s");
    EXPECT_NEAR(s._paramAngle._initial, kPi, 1e-5f);
    EXPECT_NEAR(s._paramAngle._variation, kPi / 2.0f, 1e-5f);
    EXPECT_NEAR(s._paramAngle._d, kPi / 4.0f, 1e-5f);
    for (const Particle& p : s._particles) {
        EXPECT_GE(p._angle._value, kPi / 2.0f - 0.002f);
        EXPECT_LT(p._angle._value, 3.0f * kPi / 2.0f);
    }
    ASSERT_TRUE(s._paramAlpha._hasSpline);
    ASSERT_EQ(s._paramAlpha._keys.size(), 3u);
    EXPECT_EQ(s._paramAlpha._keys[1]._variation, 10.0f);
    EXPECT_TRUE(s._paramAlpha._keys[2]._offset);
    EXPECT_FALSE(s._paramAlpha._keys[0]._offset);
    EXPECT_EQ(s._paramAlpha._dVariation, 5.0f);
    EXPECT_EQ(s._paramX._initial, 0.0f); // no Param: a new description's zero
    EXPECT_FALSE(s._paramX._hasSpline);
}

TEST_F(FilesFixture, EffectsCopyDescribedSystemsWithTheirStartSettings)
{
    Write("p.xml", R"(<P><ParticleSystem name="spark" numOfParticles="7" lifeInitial="1"/></P>)");
    Write("e.xml", R"(<Effects>
  <Effect name="burst">
    <ParticleSystem name="spark" bornTime="0.5" needStartDeadCounter="true" deadCountTime="2"/>
    <ParticleSystem name="spark"/>
  </Effect>
  <Effect name="burst"><ParticleSystem name="nowhere"/></Effect>
  <Effect><ParticleSystem name="spark"/></Effect>
</Effects>)");
    library.LoadParticles("p.xml");
    library.LoadEffects("e.xml");
    ASSERT_EQ(library._effects.size(), 1u);
    const ParticleEffect& burst = library._effects.at("burst");
    ASSERT_EQ(burst._systems.size(), 3u); // the second element appends
    EXPECT_EQ(burst._systems[0]._particles.size(), 7u);
    EXPECT_EQ(burst._systems[0]._bornTime, 0.5f);
    EXPECT_TRUE(burst._systems[0]._needStartDeadCounter);
    EXPECT_EQ(burst._systems[0]._deadCountTime, 2.0f);
    EXPECT_EQ(burst._systems[1]._bornTime, 0.0f);
    EXPECT_FALSE(burst._systems[1]._needStartDeadCounter);
    EXPECT_TRUE(burst._systems[1]._waiting);
    // An unknown system name adds an empty description, which finishes at once.
    EXPECT_EQ(library._systems.count("nowhere"), 1u);
    ParticleEffect copy = library._effects.at("burst");
    copy._systems.erase(copy._systems.begin(), copy._systems.begin() + 2);
    copy.Reset();
    copy.Update(0.01f);
    EXPECT_TRUE(copy._systems[0]._finished);
    EXPECT_NE(logFile.Text().find("Load effects"), std::string::npos);
}

TEST_F(FilesFixture, FilesThatDoNotLoadAreLoggedWithTheirTitles)
{
    Write("broken.xml", "<P><ParticleSystem name=\"a\"></P>");
    library.LoadParticles("missing.xml");
    library.LoadParticles("broken.xml");
    library.LoadEffects("missing.xml");
    EXPECT_TRUE(library._systems.empty());
    EXPECT_TRUE(library._effects.empty());
    const std::string log = logFile.Text();
    EXPECT_NE(log.find("Particles file load error"), std::string::npos);
    EXPECT_NE(log.find("broken.xml"), std::string::npos);
    EXPECT_NE(log.find("Effects file load error"), std::string::npos);
}

TEST_F(FilesFixture, TheBundledFilesDescribeTheirEffects)
{
    ScopedCurrentDir data(SourceDir() + "/data");
    library.LoadParticles("particles.xml");
    library.LoadEffects("effects.xml");
    for (const char* name : {"Sparkle", "Glow", "Smoke"}) {
        ASSERT_EQ(library._effects.count(name), 1u) << name;
        const ParticleEffect& effect = library._effects.at(name);
        EXPECT_FALSE(effect._systems.empty()) << name;
        for (const ParticleSystem& s : effect._systems) {
            EXPECT_FALSE(s._particles.empty()) << name;
            EXPECT_GT(s._lifeInitial, 0.0f) << name;
        }
    }
    EXPECT_EQ(logFile.Text().find("file load error"), std::string::npos) << logFile.Text();
}

TEST_F(FilesFixture, HashNamesAreTheResourceManagersPicturesSharedByEveryCopy)
{
    auto& entry = g_resourceManager.textures2D["dot"];
    entry.object = std::make_unique<Sprite>();
    Write("p.xml", R"(<P><ParticleSystem name="a" texture="#dot" numOfParticles="1"/>
  <ParticleSystem name="b" texture="#nothing" numOfParticles="1"/></P>)");
    library.LoadParticles("p.xml");
    const ParticleSystem& a = library._systems.at("a");
    EXPECT_EQ(a._texture.get(), entry.object.get());
    ParticleSystem copy;
    copy.CopyDescription(a);
    EXPECT_EQ(copy._texture.get(), entry.object.get());
    EXPECT_EQ(library._systems.at("b")._texture, nullptr);
    library._systems.clear();
    g_resourceManager.textures2D.clear(); // the library never owned it
}
