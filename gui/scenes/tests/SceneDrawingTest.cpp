// Scenes drawn into a real GL context (the offscreen driver) and read back
// through their LayeredAnimation window. A failing test leaves its picture
// as <test>.ppm in the folder it ran in.

#include "../../../engine/render/tests/ImageFixtures.h"

#include "engine/platform/Settings.h"
#include "engine/render/RenderDevice.h"
#include "game/state/ArtefactCatalogue.h"
#include "gui/scenes/AnimLayer.h"
#include "gui/scenes/ArtefactLayerObject.h"
#include "gui/scenes/LayerSet.h"
#include "gui/scenes/LayeredAnimation.h"
#include "gui/scenes/PalmLayerObject.h"
#include "gui/scenes/SceneTextureCache.h"
#include "gui/scenes/TextureLayerObject.h"
#include "tests/support/GlTestContext.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

#include <fstream>

using namespace testing_support;

namespace {

const Rgb kRed = {255, 0, 0};
const Rgb kGreen = {0, 255, 0};
const Rgb kBlack = {0, 0, 0};

// The window's top-left corner (y upward) and so its bottom-left in GL rows.
constexpr int kLeft = 100;
constexpr int kTop = 500;
constexpr int kBottom = kTop - LayeredAnimation::kHeight;
// Scene units to window pixels: 510 / 300 = 425 / 250 = 1.7.
int ScreenX(float sceneX) { return kLeft + static_cast<int>(sceneX * 1.7f); }
int ScreenY(float sceneY) { return kBottom + static_cast<int>(sceneY * 1.7f); }

class SceneDrawingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_settings.useJpegPairs = false;
        ASSERT_TRUE(_gl.Open("scene test", false));

        TiXmlElement element("LayeredAnimation");
        TiXmlElement position("position");
        position.SetAttribute("x", kLeft);
        position.SetAttribute("y", kTop);
        element.InsertEndChild(position);
        _widget = std::make_unique<LayeredAnimation>("scene", &element);
        _set.name = "Test";
        _set.layers.push_back(std::make_unique<AnimLayer>("Back"));
        _widget->scene = &_set;
        _widget->blackScreen = false;
    }

    void TearDown() override
    {
        _widget.reset();
        g_sceneTextures.ReleaseAll();
        for (int i = 0; i < g_artefacts.Count(); ++i) {
            g_artefacts.Find(i)->ReleaseTexture();
            g_artefacts.Find(i)->ReleaseElements();
        }
        g_artefacts.Clear();
        _gl.Close();
    }

    AnimLayer& Layer() { return *_set.layers.front(); }

    // A picture of w x h in one colour.
    std::string SolidPicture(const std::string& name, int w, int h, const Rgb& c)
    {
        fixtures::PngSpec png;
        png.width = w;
        png.height = h;
        for (int i = 0; i < w * h; ++i)
            for (int channel : c)
                png.rows.push_back(static_cast<std::uint8_t>(channel));
        const std::string file = _dir.File(name);
        std::ofstream(file, std::ios::binary) << fixtures::MakePng(png);
        return file;
    }

    // A picture of w x h: its left half red, its right half green.
    std::string HalvesPicture(int w, int h)
    {
        fixtures::PngSpec png;
        png.width = w;
        png.height = h;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                png.rows.push_back(x < w / 2 ? 255 : 0);
                png.rows.push_back(x < w / 2 ? 0 : 255);
                png.rows.push_back(0);
            }
        const std::string file = _dir.File("halves.png");
        std::ofstream(file, std::ios::binary) << fixtures::MakePng(png);
        return file;
    }

    void DrawFrame()
    {
        g_renderDevice.BeginFrame();
        g_renderDevice.Begin2D();
        _widget->Draw();
        g_renderDevice.End2D();
        g_renderDevice.EndFrame();
    }

    TempDir _dir;
    GlTestContext _gl;
    std::unique_ptr<LayeredAnimation> _widget;
    LayerSet _set;
};

} // namespace

TEST_F(SceneDrawingTest, PlainRectangleFillsItsSizeInSceneUnits)
{
    auto rect = std::make_unique<TextureLayerObject>();
    rect->width = 60.0f;
    rect->height = 50.0f;
    rect->x = 30.0f; // centred: the rectangle covers 0..60 x 0..50
    rect->y = 25.0f;
    rect->color = Color(255, 0, 0);
    Layer().objects.push_back(std::move(rect));
    DrawFrame();
    ExpectAt(ScreenX(2), ScreenY(2), kRed);
    ExpectAt(ScreenX(58), ScreenY(48), kRed);
    ExpectAt(ScreenX(62), ScreenY(25), kBackground);
    ExpectAt(ScreenX(30), ScreenY(52), kBackground);
    // The layer moves and scales its objects.
    Layer().x = 100.0f;
    Layer().scale = 2.0f;
    DrawFrame();
    ExpectAt(ScreenX(102), ScreenY(2), kRed);
    ExpectAt(ScreenX(218), ScreenY(98), kRed);
    ExpectAt(ScreenX(50), ScreenY(25), kBackground);
}

TEST_F(SceneDrawingTest, UploadedPictureSitsOnTheLayerOriginAndMirrors)
{
    auto picture = std::make_unique<TextureLayerObject>(HalvesPicture(64, 32));
    TextureLayerObject* object = picture.get();
    Layer().objects.push_back(std::move(picture));
    // Registered but not uploaded: nothing visible.
    DrawFrame();
    ExpectAt(ScreenX(5), ScreenY(5), kBackground);

    _widget->AcceptMessage(Message("UploadResources"));
    EXPECT_FLOAT_EQ(object->x, 32.0f);
    EXPECT_FLOAT_EQ(object->y, 16.0f);
    DrawFrame();
    ExpectAt(ScreenX(5), ScreenY(5), kRed);
    ExpectAt(ScreenX(59), ScreenY(27), kGreen);
    ExpectAt(ScreenX(70), ScreenY(5), kBackground);

    object->Do("WrapH");
    DrawFrame();
    ExpectAt(ScreenX(5), ScreenY(5), kGreen);
    ExpectAt(ScreenX(59), ScreenY(27), kRed);

    // Released, it draws nothing again.
    _widget->AcceptMessage(Message("ReleaseResources"));
    DrawFrame();
    ExpectAt(ScreenX(5), ScreenY(5), kBackground);
}

TEST_F(SceneDrawingTest, BlackScreenHidesTheSceneAndVisibleZeroHidesAll)
{
    auto rect = std::make_unique<TextureLayerObject>();
    rect->width = 300.0f;
    rect->height = 250.0f;
    rect->x = 150.0f;
    rect->y = 125.0f;
    rect->color = Color(0, 255, 0);
    Layer().objects.push_back(std::move(rect));
    DrawFrame();
    ExpectAt(ScreenX(150), ScreenY(125), kGreen);
    ExpectAt(kLeft - 2, kBottom + 10, kBackground);

    _widget->AcceptMessage(Message("BlackScreen", 1));
    DrawFrame();
    ExpectAt(ScreenX(150), ScreenY(125), kBlack);
    ExpectAt(kLeft + 1, kTop - 1, kBlack);
    ExpectAt(kLeft + LayeredAnimation::kWidth + 1, kBottom + 10, kBackground);

    _widget->AcceptMessage(Message("Visible", 0));
    DrawFrame();
    ExpectAt(ScreenX(150), ScreenY(125), kBackground);
}

TEST_F(SceneDrawingTest, HiddenLayerDrawsNothing)
{
    auto rect = std::make_unique<TextureLayerObject>();
    rect->width = 20.0f;
    rect->height = 20.0f;
    rect->x = 50.0f;
    rect->y = 50.0f;
    Layer().objects.push_back(std::move(rect));
    Layer().isVisible = false;
    DrawFrame();
    ExpectAt(ScreenX(50), ScreenY(50), kBackground);
}

TEST_F(SceneDrawingTest, TextureCacheSharesUploadsAndReleases)
{
    const std::string file = SolidPicture("shared.png", 32, 32, kRed);
    TextureLayerObject a(file);
    TextureLayerObject b(file);
    EXPECT_EQ(g_sceneTextures.Find(file), g_sceneTextures.Register(file));
    a.UploadResources();
    TextureInfo* entry = g_sceneTextures.Find(file);
    ASSERT_TRUE(entry->uploaded);
    const unsigned device = entry->sprite.deviceTexture;
    ASSERT_NE(device, 0u);
    // The second upload finds it up and reads nothing.
    std::remove(file.c_str());
    b.UploadResources();
    EXPECT_EQ(b.texture, a.texture);
    EXPECT_EQ(entry->sprite.deviceTexture, device);
    EXPECT_FLOAT_EQ(b.x, 16.0f);
    // Releasing through one object releases it for both.
    b.ReleaseResources();
    EXPECT_FALSE(entry->uploaded);
    EXPECT_EQ(entry->sprite.deviceTexture, 0u);
    a.ReleaseResources();
}

TEST_F(SceneDrawingTest, RegisteringAnUploadedPictureGivesItsTextureBack)
{
    const std::string file = SolidPicture("again.png", 16, 16, kGreen);
    TextureLayerObject object(file);
    object.UploadResources();
    TextureInfo* entry = g_sceneTextures.Find(file);
    ASSERT_NE(entry->sprite.deviceTexture, 0u);
    // A scene built again while its pictures are up.
    EXPECT_EQ(g_sceneTextures.Register(file), entry);
    EXPECT_FALSE(entry->uploaded);
    EXPECT_EQ(entry->sprite.deviceTexture, 0u);
    // Every upload after a release reads the file again.
    object.UploadResources();
    EXPECT_TRUE(entry->uploaded);
    EXPECT_NE(entry->sprite.deviceTexture, 0u);
}

TEST_F(SceneDrawingTest, ArtefactFadesOutShakingThenItsPiecesFall)
{
    Artefact& artefact = g_artefacts.Add();
    artefact.path = _dir.File("a1_");
    SolidPicture("a1_full.png", 256, 256, kRed);
    artefact.UploadTexture();
    for (int i = 0; i < 3; ++i) {
        ArtefactElement& element = artefact.elements.emplace_back();
        element.x = 64 * i;
        element.y = 100;
        element.width = element.height = 68;
        SolidPicture("a1_" + std::to_string(i + 1) + ".png", 64, 64, kGreen);
    }
    auto object = std::make_unique<ArtefactLayerObject>();
    ArtefactLayerObject* a = object.get();
    Layer().objects.push_back(std::move(object));
    a->Do("0");
    ASSERT_EQ(a->paths.size(), 3u);
    EXPECT_EQ(a->paths[1].x.keys.size(), 10u);
    EXPECT_FLOAT_EQ(a->paths[1].x.getGlobalFrame(0.0f), 64.0f);
    EXPECT_FLOAT_EQ(a->paths[1].y.getGlobalFrame(0.0f), 100.0f);
    a->UploadResources();
    EXPECT_TRUE(artefact.elementsUploaded);

    // At 0.3 the full picture shows at about 57 % and shakes.
    a->x = 0.3f;
    DrawFrame();
    EXPECT_TRUE(a->shaking);
    const int mixed = static_cast<int>(255 * (1 - 0.15f / 0.35f) + 0x3C * (0.15f / 0.35f));
    ExpectAt(ScreenX(150), ScreenY(125), {mixed, 0x3C * 3 / 7, 0x3C * 3 / 7}, 6);

    // At 1 every piece has left and faded; shaking has stopped.
    a->x = 1.5f;
    DrawFrame();
    EXPECT_FALSE(a->shaking);
    ExpectAt(ScreenX(150), ScreenY(125), kBackground, 4);
    a->ReleaseResources();
    EXPECT_FALSE(artefact.elementsUploaded);
}

TEST_F(SceneDrawingTest, EmptyArtefactCatalogueDrawsNoArtefact)
{
    auto object = std::make_unique<ArtefactLayerObject>();
    ArtefactLayerObject* a = object.get();
    Layer().objects.push_back(std::move(object));
    for (const char* country : {"0", "6", "12"}) {
        a->Do(country);
        a->UploadResources();
        for (float t : {0.0f, 0.1f, 0.3f, 0.6f, 1.0f, 2.0f}) {
            a->x = t;
            a->Update(0.05f);
            DrawFrame();
            ExpectAt(ScreenX(150), ScreenY(125), kBackground);
        }
        a->ReleaseResources();
    }
}

TEST_F(SceneDrawingTest, PalmLeavesHangFromTheTrunkAndMirrorWithIt)
{
    auto palm = std::make_unique<PalmLayerObject>(SolidPicture("trunk.png", 16, 64, kRed));
    PalmLeaf leaf;
    leaf.textureFile = SolidPicture("leaf.png", 32, 8, kGreen);
    leaf.time = 1.0f;
    leaf.scale = 1.0f;
    leaf.x = 10.0f;
    leaf.y = 32.0f;
    palm->AddLeaf(leaf);
    palm->x = 150.0f;
    palm->y = 100.0f;
    PalmLayerObject* p = palm.get();
    Layer().objects.push_back(std::move(palm));
    p->UploadResources();
    DrawFrame();
    ExpectAt(ScreenX(150), ScreenY(110), kRed);
    // The leaf: 32 x 8 centred 10 units right of the trunk's centre line, at its top.
    ExpectAt(ScreenX(172), ScreenY(132), kGreen);
    ExpectAt(ScreenX(128), ScreenY(132), kBackground);
    p->Do("WrapH");
    DrawFrame();
    ExpectAt(ScreenX(150), ScreenY(110), kRed);
    ExpectAt(ScreenX(128), ScreenY(132), kGreen);
    ExpectAt(ScreenX(172), ScreenY(132), kBackground);
    p->ReleaseResources();
}
