// The scene model without a device or scripts: the reader of mults.xml,
// lookups by name, the registry and the caption.

#include "gui/TextResource.h"
#include "gui/scenes/LayerSet.h"
#include "gui/scenes/PalmLayerObject.h"
#include "gui/scenes/SceneFile.h"
#include "gui/scenes/SceneTextureCache.h"
#include "gui/scenes/TextureLayerObject.h"
#include "gui/scenes/WaterLayerObject.h"
#include "tests/support/ScopedLogFile.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

using namespace testing_support;

namespace {

const char* const kScenes =
    "<Mults>"
    " <LayerSet name='Sea' do='SeaDo' reset='SeaReset'>"
    "  <Layer name='Back'>"
    "   <Texture name='sky' width='300' height='120'/>"
    "   <Water name='water' width='300' height='80' speed='0.5'/>"
    "   <Texture width='5' height='5'/>"
    "   <Ship name='unknown'/>"
    "   <Texture name='sky' texture='textures\\sky.png'/>"
    "  </Layer>"
    "  <Layer name='Front'>"
    "   <Palm name='palm' stvol='textures\\trunk.png'>"
    "    <List texture='textures\\leaf.png' angle='10' angleVariation='5' time='1' scale='2' x='3' y='4'/>"
    "    <List texture='textures\\leaf.png'/>"
    "   </Palm>"
    "   <Artefact name='artefact'/>"
    "   <Effect name='sparks'/>"
    "  </Layer>"
    "  <Layer name='Back'/>"
    " </LayerSet>"
    " <Other name='Sea'/>"
    " <LayerSet name='Sea' do='Second'/>"
    " <LayerSet name='Harbour'/>"
    "</Mults>";

class SceneModelTest : public ::testing::Test {
protected:
    void SetUp() override { WriteTextFile(_dir.File("mults.xml"), kScenes); }
    void TearDown() override { g_layerSets.Clear(); }

    TempDir _dir;
    ScopedLogFile _log;
};

} // namespace

TEST_F(SceneModelTest, FileGivesEverySetWithItsLayersAndNamedObjects)
{
    auto sets = ReadSceneFile(_dir.File("mults.xml"));
    ASSERT_EQ(sets.size(), 3u);
    const LayerSet& sea = *sets[0];
    EXPECT_EQ(sea.name, "Sea");
    EXPECT_EQ(sea.doFunction, "SeaDo");
    EXPECT_EQ(sea.resetFunction, "SeaReset");
    ASSERT_EQ(sea.layers.size(), 3u);
    // Objects without a name and unknown tags are skipped.
    const AnimLayer& back = *sea.layers[0];
    ASSERT_EQ(back.objects.size(), 3u);
    auto* sky = dynamic_cast<TextureLayerObject*>(back.objects[0].get());
    ASSERT_NE(sky, nullptr);
    EXPECT_FALSE(sky->hasTexture);
    EXPECT_FLOAT_EQ(sky->width, 300.0f);
    auto* water = dynamic_cast<WaterLayerObject*>(back.objects[1].get());
    ASSERT_NE(water, nullptr);
    EXPECT_FLOAT_EQ(water->speed, 0.5f);
    EXPECT_FLOAT_EQ(water->height, 80.0f);
    auto* picture = dynamic_cast<TextureLayerObject*>(back.objects[2].get());
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(picture->hasTexture);
    EXPECT_NE(g_sceneTextures.Find("textures\\sky.png"), nullptr);

    const AnimLayer& front = *sea.layers[1];
    ASSERT_EQ(front.objects.size(), 3u);
    auto* palm = dynamic_cast<PalmLayerObject*>(front.objects[0].get());
    ASSERT_NE(palm, nullptr);
    ASSERT_EQ(palm->leaves.size(), 2u);
    EXPECT_FLOAT_EQ(palm->leaves[0].scale, 2.0f * 1.3f);
    EXPECT_FLOAT_EQ(palm->leaves[1].scale, 0.0f);
    EXPECT_FLOAT_EQ(palm->leaves[0].x, 3.0f);
    EXPECT_EQ(palm->leaves[0].texture, g_sceneTextures.Find("textures\\leaf.png"));
    EXPECT_EQ(palm->trunk, g_sceneTextures.Find("textures\\trunk.png"));
    EXPECT_EQ(sets[1]->doFunction, "Second");
    EXPECT_TRUE(sets[2]->layers.empty());
}

TEST_F(SceneModelTest, LookupsAnswerTheFirstOfANameOrNull)
{
    auto sets = ReadSceneFile(_dir.File("mults.xml"));
    const LayerSet& sea = *sets[0];
    EXPECT_EQ(sea.getLayer("Back"), sea.layers[0].get());
    EXPECT_EQ(sea.getLayer("Nowhere"), nullptr);
    const AnimLayer& back = *sea.layers[0];
    EXPECT_EQ(back.getObject("sky"), back.objects[0].get());
    EXPECT_EQ(back.getObject("ship"), nullptr);
}

TEST_F(SceneModelTest, OnlyTheNamedSetsWhenAskedFor)
{
    const std::string name = "Sea";
    auto sets = ReadSceneFile(_dir.File("mults.xml"), &name);
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(sets[1]->doFunction, "Second");
}

TEST_F(SceneModelTest, RegistryKeepsTheFirstSetOfAName)
{
    auto sets = ReadSceneFile(_dir.File("mults.xml"));
    LayerSet* first = sets[0].get();
    EXPECT_TRUE(g_layerSets.Insert(std::move(sets[0])));
    EXPECT_FALSE(g_layerSets.Insert(std::move(sets[1])));
    EXPECT_TRUE(g_layerSets.Insert(std::move(sets[2])));
    EXPECT_EQ(g_layerSets.Size(), 2u);
    EXPECT_EQ(g_layerSets.Find("Sea"), first);
    EXPECT_EQ(g_layerSets.Find("Lagoon"), nullptr);
}

TEST_F(SceneModelTest, BadFilesGiveNoSets)
{
    WriteTextFile(_dir.File("broken.xml"), "<Mults><LayerSet name='Sea'>");
    EXPECT_TRUE(ReadSceneFile(_dir.File("broken.xml")).empty());
    EXPECT_TRUE(ReadSceneFile(_dir.File("missing.xml")).empty());
    _log.Close();
    EXPECT_NE(_log.Text().find("missing.xml"), std::string::npos);
}

TEST_F(SceneModelTest, HiddenLayerStillUpdatesItsObjects)
{
    AnimLayer layer("Back");
    auto water = std::make_unique<WaterLayerObject>();
    water->speed = 1.0f;
    WaterLayerObject* w = water.get();
    water->isVisible = false;
    layer.objects.push_back(std::move(water));
    layer.isVisible = false;
    layer.Update(0.25f);
    EXPECT_FLOAT_EQ(w->phase, 0.25f);
}

TEST_F(SceneModelTest, CaptionFollowsTheTextTable)
{
    TextTable table;
    table["Caption"] = TextResource();
    const TextTable* previous = g_textTable;
    g_textTable = &table;
    LayerSet set;
    set.setText("Caption");
    EXPECT_EQ(set.text, &table["Caption"]);
    set.setText("none");
    EXPECT_EQ(set.text, nullptr);
    set.setText("Caption");
    set.setText("NoSuchText");
    EXPECT_EQ(set.text, nullptr);
    g_textTable = previous;
}
