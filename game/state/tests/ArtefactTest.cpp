// The artefact catalogue: Artefact.xml, picture names, pieces and the glow.

#include "ImageFixtures.h"

#include "engine/platform/Settings.h"
#include "engine/render/ImageBuffers.h"
#include "game/state/ArtefactCatalogue.h"
#include "game/state/ArtefactFile.h"
#include "tests/support/ScopedLogFile.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace testing_support;

namespace {

void WritePng(const std::string& path, int size)
{
    fixtures::PngSpec layout;
    layout.width = layout.height = size;
    layout.rows.assign(static_cast<std::size_t>(size * size * 3), 200);
    std::ofstream(path, std::ios::binary) << fixtures::MakePng(layout);
}

struct ArtefactFixture : testing::Test {
    void SetUp() override
    {
        cwd = std::make_unique<ScopedCurrentDir>(dir.Path());
        AllocateImageBuffers();
        g_settings.useJpegPairs = false;
    }

    TempDir dir;
    ScopedLogFile logFile;
    std::unique_ptr<ScopedCurrentDir> cwd;
};

} // namespace

TEST_F(ArtefactFixture, TheFileGivesPathsPiecesAndPictureNames)
{
    std::filesystem::create_directory(dir.File("art"));
    WritePng(dir.File("art/a1_full.png"), 8);
    for (int n = 1; n <= 3; ++n)
        WritePng(dir.File("art/a1_" + std::to_string(n) + ".png"), n);
    WriteTextFile(dir.File("Artefact.xml"), R"(<Artefacts>
  <Artefact path="art\a1_">
    <element x="10" y="20" width="30" height="40"/>
    <element x="1"/>
    <element/>
    <other/>
  </Artefact>
  <Artefact/>
</Artefacts>)");
    ArtefactCatalogue catalogue;
    ASSERT_TRUE(ReadArtefactFile("Artefact.xml", catalogue));
    ASSERT_EQ(catalogue.Count(), 2);
    Artefact& a = *catalogue.Find(0);
    EXPECT_EQ(a.path, "art\\a1_");
    EXPECT_EQ(a.FullPictureName(), "art\\a1_full.png");
    EXPECT_EQ(a.ElementPictureName(3), "art\\a1_3.png");
    EXPECT_EQ(a.full.image.width, 8); // the full picture was read at once
    EXPECT_TRUE(a.full.linearFilter);
    ASSERT_EQ(a.elements.size(), 3u);
    EXPECT_EQ(a.elements[0].x, 10);
    EXPECT_EQ(a.elements[0].y, 20);
    EXPECT_EQ(a.elements[0].width, 34);
    EXPECT_EQ(a.elements[0].height, 44);
    EXPECT_EQ(a.elements[1].width, 4); // absent sizes store 0 + 4
    EXPECT_EQ(a.elements[2].height, 4);
    EXPECT_EQ(a.elements[0].texture.image.width, 0); // pieces wait for their upload

    a.UploadElements();
    ASSERT_TRUE(a.elementsUploaded);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(a.elements[static_cast<std::size_t>(i)].texture.image.width, i + 1) << "piece " << i;
        EXPECT_TRUE(a.elements[static_cast<std::size_t>(i)].texture.linearFilter);
    }
    a.ReleaseElements();
    EXPECT_FALSE(a.elementsUploaded);
    a.ReleaseElements(); // twice does nothing

    EXPECT_EQ(catalogue.Find(1)->path, "");
    EXPECT_EQ(catalogue.Find(2), nullptr);
    EXPECT_EQ(catalogue.Find(-1), nullptr);
}

TEST_F(ArtefactFixture, AMissingFileLeavesTheCatalogueEmpty)
{
    ArtefactCatalogue catalogue;
    EXPECT_FALSE(ReadArtefactFile("Artefact.xml", catalogue));
    WriteTextFile(dir.File("Artefact.xml"), "<Artefacts><Artefact path=\"x\"></Artefacts>");
    EXPECT_FALSE(ReadArtefactFile("Artefact.xml", catalogue));
    EXPECT_EQ(catalogue.Count(), 0);
}

TEST_F(ArtefactFixture, TheCatalogueKeepsItsTexturesWhereTheyAreWhenItGrows)
{
    ArtefactCatalogue catalogue;
    Artefact& first = catalogue.Add();
    first.elements.emplace_back();
    const Texture* full = &first.full;
    const Texture* piece = &first.elements[0].texture;
    for (int i = 0; i < 40; ++i) {
        catalogue.Add();
        first.elements.emplace_back();
    }
    EXPECT_EQ(&catalogue.Find(0)->full, full);
    EXPECT_EQ(&catalogue.Find(0)->elements[0].texture, piece);
}

TEST(ArtefactGlow, LayersWalkThePaletteAndFade)
{
    // t = 1: the halo starts at entry 0, not blended toward entry 1.
    ArtefactGlowLayer layer = Artefact::GlowLayer(0, 1.0f, 0.0f, 0.0f, 1.0f, 255, 0.0f, 0.0f, 68, 68);
    EXPECT_EQ(layer.color, kArtefactPalette[0]);
    layer = Artefact::GlowLayer(3, 1.0f, 0.0f, 0.0f, 1.0f, 255, 0.0f, 0.0f, 68, 68);
    EXPECT_EQ(layer.color, kArtefactPalette[3]);
    layer = Artefact::GlowLayer(12, 1.0f, 0.0f, 0.0f, 1.0f, 255, 0.0f, 0.0f, 68, 68);
    EXPECT_EQ(layer.color, kArtefactPalette[2]); // wraps after entry 9

    // t = 0.95: the first layer lies halfway between entries 0 and 1.
    layer = Artefact::GlowLayer(0, 1.0f, 0.0f, 0.0f, 0.95f, 255, 0.0f, 0.0f, 68, 68);
    EXPECT_EQ(layer.color.r, 50);
    EXPECT_NEAR(layer.color.g, 100, 1);
    EXPECT_EQ(layer.color.b, 150);

    // Alphas fall in single-precision steps just below whole numbers.
    const int expected[15] = {255, 237, 220, 203, 186, 169, 152, 135, 118, 101, 84, 67, 50, 33, 16};
    for (int j = 0; j < 15; ++j)
        EXPECT_EQ(Artefact::GlowLayer(j, 1.0f, 0, 0, 1.0f, 255, 0, 0, 68, 68).alpha, expected[j]) << j;
    EXPECT_TRUE(Artefact::GlowLayer(0, 1.0f, 0, 0, 1.0f, 256, 0, 0, 68, 68).skipped); // low byte 0
    EXPECT_FALSE(Artefact::GlowLayer(0, 1.0f, 0, 0, 1.0f, 255, 0, 0, 68, 68).skipped);
}

TEST(ArtefactGlow, LayersGrowAndDriftFromThePiece)
{
    // A 64 x 64 piece (stored 68 x 68) centres itself: A = B = 0.
    ArtefactGlowLayer layer = Artefact::GlowLayer(0, 1.0f, 100.0f, 200.0f, 1.0f, 255, 15.0f, -30.0f, 68, 68);
    EXPECT_FLOAT_EQ(layer.side, 66.0f);
    EXPECT_FLOAT_EQ(layer.x, 99.0f);
    EXPECT_FLOAT_EQ(layer.y, 199.0f);
    layer = Artefact::GlowLayer(3, 5.0f, 100.0f, 200.0f, 1.0f, 255, 15.0f, -30.0f, 68, 68);
    EXPECT_FLOAT_EQ(layer.side, 74.0f);
    EXPECT_NEAR(layer.x, 100.0f - 5.0f + 3.0f, 1e-4f);
    EXPECT_NEAR(layer.y, 200.0f - 5.0f - 6.0f, 1e-4f);
    // A smaller piece moves its halo toward its own centre.
    layer = Artefact::GlowLayer(0, 4.0f, 0.0f, 0.0f, 1.0f, 255, 0.0f, 0.0f, 36, 68);
    const float q = 64.0f / 68.0f;
    EXPECT_NEAR(layer.x, -4.0f + 2.0f * (16.0f - q * 16.0f), 1e-4f);
}
