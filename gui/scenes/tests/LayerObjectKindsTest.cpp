// The object kinds' commands and time steps, without a device.

#include "engine/util/Random.h"
#include "gui/effects/EffectObserver.h"
#include "gui/effects/ParticleManager.h"
#include "gui/scenes/ArtefactLayerObject.h"
#include "gui/scenes/EffectLayerObject.h"
#include "gui/scenes/PalmLayerObject.h"
#include "gui/scenes/TextureLayerObject.h"
#include "gui/scenes/WaterLayerObject.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Records what the object asks of its effect.
class FakeEffect : public SceneEffect {
public:
    struct Log {
        float x = 0.0f, y = 0.0f, updated = 0.0f;
        int restarts = 0, draws = 0;
    };
    explicit FakeEffect(Log& log) : _log(log) {}
    void SetPosition(float x, float y) override { _log.x = x, _log.y = y; }
    void Restart() override { ++_log.restarts; }
    void Update(float dt) override { _log.updated += dt; }
    void Draw() override { ++_log.draws; }

private:
    Log& _log;
};

} // namespace

TEST(TextureLayerObjectTest, CommandsSetFlagsExactly)
{
    struct Case {
        std::vector<const char*> commands;
        bool mirrorH, mirrorV, additive;
    };
    const Case cases[] = {
        {{"WrapH"}, true, false, false},
        {{"WrapH", "WrapV"}, true, true, false},
        {{"Additive"}, false, false, true},
        {{"Additive", "Alpha"}, false, false, false},
        {{"wraph", "WrapH ", "Reset", ""}, false, false, false},
        // Nothing clears the mirror flags.
        {{"WrapV", "Alpha", "ResetWrap"}, false, true, false},
    };
    for (const Case& c : cases) {
        TextureLayerObject object;
        for (const char* command : c.commands)
            object.Do(command);
        EXPECT_EQ(object.mirrorH, c.mirrorH) << c.commands.front();
        EXPECT_EQ(object.mirrorV, c.mirrorV) << c.commands.front();
        EXPECT_EQ(object.additive, c.additive) << c.commands.front();
    }
}

TEST(WaterLayerObjectTest, PhaseWrapsAtOne)
{
    WaterLayerObject water;
    water.speed = 0.5f;
    water.phase = 0.95f;
    water.Update(0.2f); // + 0.1
    EXPECT_NEAR(water.phase, 0.05f, 1e-5f);
    water.Update(1.0f);
    EXPECT_NEAR(water.phase, 0.55f, 1e-5f);
}

TEST(PalmLayerObjectTest, LeafSwingsStayWithinTheirVariation)
{
    SeedRandom(7);
    PalmLayerObject palm;
    PalmLeaf leaf;
    leaf.angle = 10.0f;
    leaf.angleVariation = 5.0f;
    leaf.time = 3.0f;
    leaf.timeVariation = 1.0f;
    palm.AddLeaf(leaf);
    const PalmLeaf& added = palm.leaves.front();
    float lowest = 100.0f, highest = -100.0f;
    float lastDirection = added.direction;
    int turns = 0;
    for (int i = 0; i < 2000; ++i) {
        palm.Update(0.01f);
        EXPECT_GE(added.rate, 2.0f - 0.01f);
        EXPECT_LE(added.rate, 4.0f);
        const float a = added.CurrentAngle();
        lowest = std::min(lowest, a);
        highest = std::max(highest, a);
        if (added.direction != lastDirection) {
            ++turns;
            lastDirection = added.direction;
        }
    }
    EXPECT_GE(lowest, 5.0f);
    EXPECT_LE(highest, 15.0f);
    EXPECT_LT(lowest, 9.0f);
    EXPECT_GT(highest, 11.0f);
    EXPECT_GT(turns, 20);
}

TEST(PalmLayerObjectTest, WrapCommands)
{
    PalmLayerObject palm;
    palm.Do("WrapH");
    EXPECT_TRUE(palm.mirrored);
    palm.Do("WrapV");
    EXPECT_TRUE(palm.mirrored);
    palm.Do("ResetWrap");
    EXPECT_FALSE(palm.mirrored);
}

TEST(EffectLayerObjectTest, OwnsItsEffectAndStepsItOnlyWhileVisible)
{
    FakeEffect::Log log;
    EffectLayerObject object(std::make_unique<FakeEffect>(log));
    object.Update(0.5f);
    object.isVisible = false;
    object.Update(0.25f);
    EXPECT_FLOAT_EQ(log.updated, 0.5f);
    object.x = 12.0f;
    object.y = 34.0f;
    object.Do("Reset");
    EXPECT_EQ(log.restarts, 1);
    EXPECT_FLOAT_EQ(log.x, 12.0f);
    EXPECT_FLOAT_EQ(log.y, 34.0f);
    object.Do("reset");
    EXPECT_EQ(log.restarts, 1);
}

TEST(EffectLayerObjectTest, CopiesTheLibraryEffectAndLeavesUnknownNamesOut)
{
    ParticleEffect& description = g_particleManager._effects["SceneSparks"];
    description._finished = true;
    std::unique_ptr<SceneEffect> copy = MakeSceneEffect("SceneSparks");
    ASSERT_NE(copy, nullptr);
    copy->Update(0.1f);
    // The library's entry never runs.
    EXPECT_TRUE(description._finished);
    EXPECT_EQ(MakeSceneEffect("NoSuchEffect"), nullptr);
    EXPECT_EQ(g_particleManager._effects.count("NoSuchEffect"), 0u);
    g_particleManager._effects.erase("SceneSparks");
}

TEST(EffectLayerObjectTest, ObserverNeverTakesOrDeletesTheObjectsEffect)
{
    g_particleManager._effects["SceneShort"]; // no systems: finished after one step
    const std::size_t watched = g_effectObserver.Count();
    EffectLayerObject object(MakeSceneEffect("SceneShort"));
    ASSERT_NE(object.effect, nullptr);
    EXPECT_EQ(g_effectObserver.Count(), watched);
    object.Update(0.1f);
    g_effectObserver.Update(0.1f); // deletes the finished effects it watches
    // The object's effect is still its own to step, restart and draw.
    object.Update(0.1f);
    object.Do("Reset");
    object.Draw();
    EXPECT_EQ(g_effectObserver.Count(), watched);
    g_particleManager._effects.erase("SceneShort");
}

TEST(EffectLayerObjectTest, WithoutAnEffectDoesNothing)
{
    EffectLayerObject object(MakeSceneEffect("NoSuchEffect"));
    EXPECT_EQ(object.effect, nullptr);
    object.Update(1.0f);
    object.Do("Reset");
    object.Draw();
}

TEST(ArtefactLayerObjectTest, CountryCommandsInRangeOnly)
{
    struct Case {
        const char* command;
        int country;
    };
    const Case cases[] = {
        {"3", 3}, {"6", 6}, {"0", 0}, {"2 and more", 2},
        // Ignored: the previous country stays.
        {"7", 4}, {"-1", 4}, {"Rome", 4}, {"", 4}, {"99999999999999999999", 4},
    };
    for (const Case& c : cases) {
        ArtefactLayerObject object;
        object.country = 4;
        object.x = 0.7f;
        object.Do(c.command);
        EXPECT_EQ(object.country, c.country) << c.command;
        // A switch starts the animation again.
        EXPECT_FLOAT_EQ(object.x, c.country == 4 ? 0.7f : 0.0f) << c.command;
    }
}

TEST(ArtefactLayerObjectTest, PiecesLeaveLastFirstAndEndAtOne)
{
    // Four pieces: piece i starts at u = 0.5 - 0.5 (i + 1) / 4.
    EXPECT_FLOAT_EQ(ArtefactLayerObject::PieceProgress(0.5f, 3, 4), 0.0f);
    EXPECT_FLOAT_EQ(ArtefactLayerObject::PieceProgress(0.5f, 0, 4), 0.0f);
    EXPECT_NEAR(ArtefactLayerObject::PieceProgress(0.6f, 3, 4), 0.6f, 1e-5f);
    EXPECT_FLOAT_EQ(ArtefactLayerObject::PieceProgress(0.6f, 0, 4), 0.0f);
    EXPECT_NEAR(ArtefactLayerObject::PieceProgress(0.75f, 0, 4), 0.375f, 1e-5f);
    for (int i = 0; i < 4; ++i)
        EXPECT_FLOAT_EQ(ArtefactLayerObject::PieceProgress(1.0f, i, 4), 1.0f) << i;
}

TEST(ArtefactLayerObjectTest, ShakeMovesTowardsItsTargetAndRenews)
{
    SeedRandom(3);
    ArtefactLayerObject object;
    EXPECT_FALSE(object.shaking);
    EXPECT_FLOAT_EQ(object.shakeFrom.x, 0.0f);
    EXPECT_GE(object.shakeInterval, 0.03f);
    EXPECT_LT(object.shakeInterval, 0.1f);
    const auto target = object.shakeTo;
    object.Update(1.0f); // not shaking: nothing moves
    EXPECT_FLOAT_EQ(object.shakeTime, 0.0f);
    object.shaking = true;
    object.Update(object.shakeInterval / 2.0f);
    EXPECT_NEAR(object.CurrentShake().x, target.x / 2.0f, 1e-4f);
    object.Update(object.shakeInterval);
    EXPECT_FLOAT_EQ(object.shakeTime, 0.0f);
    EXPECT_FLOAT_EQ(object.shakeFrom.x, target.x);
}

TEST(ArtefactLayerObjectTest, EmptyCatalogueGivesNoPieces)
{
    ArtefactLayerObject object;
    object.Do("5");
    EXPECT_TRUE(object.paths.empty());
    EXPECT_EQ(object.background, nullptr);
}
