// The shield drawn into a real GL context with data it lacks parts of:
// artefact pictures the catalogue does not have, fewer or more lights than
// gems, a gem without a ray entry.

#include "WidgetTestSupport.h"

#include "game/screens/Shield.h"
#include "game/state/ArtefactCatalogue.h"
#include "game/state/GameInfo.h"
#include "gui/effects/EffectObserver.h"
#include "tests/support/GlTestContext.h"
#include "tests/support/ScopedLogFile.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

using namespace testing_support;

namespace {

const Rgb kRed = {255, 0, 0};

class ShieldDrawingTest : public ::testing::Test {
protected:
    ShieldDrawingTest() : _cwd(_dir.Path()) {}

    void SetUp() override
    {
        ASSERT_TRUE(_gl.Open("shield drawing test"));
        info.AddNewPlayer("P");
    }
    void TearDown() override
    {
        shield.reset();
        for (int i = 0; i < 10 && g_effectObserver.Count() > 0; ++i)
            g_effectObserver.Update(0.01f);
        _gl.Close();
    }

    void Make(int maxStage, int cycle)
    {
        info.GetPlayer("P").maxStage = maxStage;
        info.GetPlayer("P").cycle = cycle;
        shield = std::make_unique<Shield>("Shield", nullptr, info, catalogue);
        shield->AcceptMessage(Message("Reset"));
    }

    // The screen cleared, then the shield on it.
    void DrawShield()
    {
        g_renderDevice.End2D();
        g_renderDevice.BeginFrame();
        g_renderDevice.Begin2D();
        shield->Draw();
    }

    static void Fill(Texture& texture, int w, int h, std::uint32_t argb)
    {
        UploadTexture(texture, w, h, std::vector<std::uint32_t>(static_cast<std::size_t>(w) * h, argb));
    }

    TempDir _dir;
    ScopedCurrentDir _cwd;
    ScopedLogFile _log;
    FakeWidgetServices services;
    GameInfo info;
    ArtefactCatalogue catalogue;
    std::unique_ptr<Shield> shield;
    GlTestContext _gl;
};

} // namespace

TEST_F(ShieldDrawingTest, OnlyArtefactPicturesTheCatalogueHoldsAreDrawn)
{
    Fill(catalogue.Add().full, 256, 256, 0xFFFF0000u); // artefact 0: its picture loaded
    catalogue.Add();                                   // artefact 1: its picture never loaded
    Make(3, 2);
    struct Case {
        int held;
        Rgb seen;
    };
    // Gem 2 is past the catalogue's end.
    for (const Case& c : {Case{0, kRed}, Case{1, kBackground}, Case{2, kBackground}, Case{6, kBackground}}) {
        SCOPED_TRACE(c.held);
        shield->AcceptMessage(Message("SetTakedArtefact", c.held));
        DrawShield();
        const Point& anchor = shield->artAnchors[static_cast<std::size_t>(c.held)];
        ExpectAt(anchor.x + 128, anchor.y + 128, c.seen);
    }
}

TEST_F(ShieldDrawingTest, OnlyTheLightsInTheFileWithTheirPicturesGlowAndNoMoreThanSeven)
{
    Fill(*services.AddPicture("#Glow", 16, 16), 16, 16, 0xFFFFFFFFu);
    struct Case {
        int inFile;
        const char* picture;
        int glowing;
    };
    // The last: lights whose picture is not there glow with nothing.
    for (const Case& c : {Case{3, "#Glow", 3}, Case{9, "#Glow", 7}, Case{2, "#NoSuchGlow", 0}}) {
        SCOPED_TRACE(c.inFile);
        std::string text = "<ShieldData><GemLightings>";
        for (int k = 0; k < c.inFile; ++k)
            text += std::string("<Light texture=\"") + c.picture + "\" r=\"255\" g=\"255\" b=\"255\" x=\"" +
                    std::to_string(10 + 80 * k) + "\" y=\"20\" width=\"40\" height=\"40\"/>";
        WriteTextFile(_dir.File("ShieldData.xml"), text + "</GemLightings></ShieldData>");
        Make(3, 2); // every gem lit
        for (GemLight& light : shield->lights)
            light.phase = 0.75f; // the pulse at its top
        DrawShield();
        for (int k = 0; k < c.inFile; ++k) {
            const Rgb seen = At(30 + 80 * k, 40);
            if (k < c.glowing)
                EXPECT_GT(seen[0], kBackground[0] + 40) << "light " << k;
            else
                EXPECT_EQ(seen, kBackground) << "light " << k;
        }
    }
}

TEST_F(ShieldDrawingTest, AGemWithoutARayEntryIsSwitchedOnWithoutARay)
{
    WriteTextFile(_dir.File("RayGem.xml"), "<RayGem><Gem x=\"100\" y=\"200\" r=\"255\" g=\"0\" b=\"0\"/></RayGem>");
    Make(8, 1);
    Message accept("AcceptArtefact");
    accept.variables.setInt("ArtNumber", 4);
    shield->AcceptMessage(accept);
    shield->Update(0.5f);
    ASSERT_TRUE(shield->accepting);
    DrawShield();
    for (int y = 0; y < 600; y += 50)
        for (int x = 0; x < 800; x += 50)
            ExpectAt(x, y, kBackground);
}

TEST_F(ShieldDrawingTest, TheLightningSoundsOnceAsEachPairOfLightsEntersTheBand)
{
    Make(3, 2);
    shield->paths.clear();
    for (int k = 0; k < 3; ++k) {
        LightPathSpec path;
        path.points = {Vector3(0.0f, 0.0f, 0.0f), Vector3(100.0f, 0.0f, 0.0f)};
        shield->paths.emplace_back(path);
        shield->paths.back().running = true;
    }
    // At clock 0 the band runs from about 58 to 90 points.
    shield->clock = 0.0f;
    shield->paths[0].position = Vector3(300.0f, 300.0f, 0.0f);
    shield->paths[1].position = Vector3(370.0f, 300.0f, 0.0f); // in the band with light 0
    shield->paths[2].position = Vector3(700.0f, 100.0f, 0.0f); // far from both
    const auto count = [this] {
        return std::count(services.samples.begin(), services.samples.end(), std::string("ShieldWonder"));
    };
    for (int frame = 0; frame < 20; ++frame)
        shield->DrawPathLights();
    EXPECT_EQ(count(), 1);
    // Out of the band and in again: once more.
    shield->paths[1].position = Vector3(500.0f, 300.0f, 0.0f);
    shield->DrawPathLights();
    shield->paths[1].position = Vector3(370.0f, 300.0f, 0.0f);
    for (int frame = 0; frame < 20; ++frame)
        shield->DrawPathLights();
    EXPECT_EQ(count(), 2);
    // A second pair entering sounds for itself.
    shield->paths[2].position = Vector3(300.0f, 370.0f, 0.0f);
    for (int frame = 0; frame < 20; ++frame)
        shield->DrawPathLights();
    EXPECT_EQ(count(), 3);
}
