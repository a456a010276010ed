// Particle files, effects and artefacts as scripts see them.

#include "engine/script/ScriptHost.h"
#include "game/state/ArtefactCatalogue.h"
#include "gui/Widget.h"
#include "gui/effects/EffectObserver.h"
#include "gui/effects/ParticleManager.h"
#include "tests/support/BoundScriptState.h"
#include "tests/support/ScopedLogFile.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <luabind/luabind.hpp>

using namespace testing_support;

namespace {

class EffectScriptTest : public testing::Test {
protected:
    void SetUp() override
    {
        OpenBoundScriptState();
        cwd = std::make_unique<ScopedCurrentDir>(dir.Path());
    }
    void TearDown() override
    {
        g_particleManager._effects.clear();
        g_particleManager._systems.clear();
    }

    static float LuaNumber(const char* name)
    {
        luabind::object value = luabind::globals(g_luaState)[name];
        return luabind::type(value) == LUA_TNUMBER ? luabind::object_cast<float>(value) : -1000.0f;
    }
    TempDir dir;
    ScopedLogFile logFile;
    std::unique_ptr<ScopedCurrentDir> cwd;
};

} // namespace

TEST_F(EffectScriptTest, ScriptsLoadFilesAndKeepEffectsThatMayEnd)
{
    WriteTextFile(dir.File("p.xml"), R"(<P><ParticleSystem name="dot" numOfParticles="3" lifeInitial="0.2"/></P>)");
    WriteTextFile(dir.File("e.xml"), R"(<E><Effect name="Blip">
  <ParticleSystem name="dot" needStartDeadCounter="1" deadCountTime="0"/></Effect></E>)");
    Widget widget("holder");
    luabind::globals(g_luaState)["holder"] = &widget;
    ASSERT_TRUE(RunScriptString("LoadParticles('p.xml')\n"
                                "LoadEffects('e.xml')\n"
                                "blip = holder:AddEffect('Blip')\n"
                                "blip.posX = 12\n"
                                "blip.posY = blip.posX + 1\n"
                                "y = blip.posY\n"));
    EXPECT_EQ(LuaNumber("y"), 13.0f);
    ASSERT_EQ(widget.effects.effects.size(), 1u);
    EXPECT_EQ(widget.effects.effects.front()->posX, 12.0f);

    for (int i = 0; i < 10; ++i)
        g_effectObserver.Update(0.1f);
    ASSERT_TRUE(widget.effects.Empty());
    // The script's effect has been deleted: its handle reaches nothing.
    ASSERT_TRUE(RunScriptString("blip.posX = 40\n"
                                "blip:Reset()\n"
                                "after = blip.posX\n"));
    EXPECT_EQ(LuaNumber("after"), 0.0f);
    luabind::globals(g_luaState)["holder"] = luabind::object();
    luabind::globals(g_luaState)["blip"] = luabind::object();
}

TEST_F(EffectScriptTest, ArtefactIndicesFromScriptsAreChecked)
{
    g_artefacts.Clear();
    g_artefacts.Add().path = "art\\a1_";
    ASSERT_TRUE(RunScriptString("UploadArtefactElements(0)\n"
                                "ReleaseArtefactElements(0)\n"
                                "UploadArtefactTexture(-1)\n"
                                "ReleaseArtefactTexture(1)\n"
                                "UploadArtefactElements(7000000)\n"
                                "ReleaseArtefactElements(-3)\n"));
    const std::string log = logFile.Text();
    EXPECT_NE(log.find("There is no artefact -1"), std::string::npos);
    EXPECT_NE(log.find("There is no artefact 1 "), std::string::npos);
    EXPECT_NE(log.find("There is no artefact 7000000"), std::string::npos);
    EXPECT_EQ(log.find("There is no artefact 0"), std::string::npos);
    g_artefacts.Clear();
}
