// Artefact pieces drawn into a real GL context and read back.

#include "engine/render/RenderDevice.h"
#include "game/state/Artefact.h"
#include "tests/support/GlTestContext.h"

#include <gtest/gtest.h>


using namespace testing_support;

namespace {

class ArtefactGlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(_gl.Open("artefact test"));
        // One piece: a 2 x 2 picture, opaque green on the left, clear on the right.
        ArtefactElement& piece = _artefact.elements.emplace_back();
        piece.x = 100;
        piece.y = 50;
        piece.width = piece.height = 68;
        UploadTexture(piece.texture, 2, 2, {0xFF00FF00u, 0x0000FF00u, 0xFF00FF00u, 0x0000FF00u});
    }

    void TearDown() override { _gl.Close(); }

    GlTestContext _gl;
    Artefact _artefact;
};

} // namespace

TEST_F(ArtefactGlTest, PiecesDrawAtTheirPlacesAndAsSilhouettes)
{
    _artefact.DrawElementAt(0, Point(10, 20)); // 64 x 64 at (110, 70)
    EXPECT_EQ(At(115, 75), (Rgb{0, 255, 0}));
    EXPECT_EQ(At(165, 75), (Rgb{60, 60, 60})); // the clear half
    EXPECT_EQ(At(105, 75), (Rgb{60, 60, 60}));

    g_renderDevice.SetColor(Color(255, 0, 0, 255));
    _artefact.DrawElementHighlighted(0, 300, 70);
    g_renderDevice.ResetColor();
    EXPECT_EQ(At(305, 75), (Rgb{255, 0, 0}));
    EXPECT_EQ(At(365, 75), (Rgb{60, 60, 60}));

    _artefact.DrawElement(5, 500, 70); // no such piece: nothing drawn
    EXPECT_EQ(At(505, 75), (Rgb{60, 60, 60}));
}

TEST_F(ArtefactGlTest, TheGlowAddsLightAndLeavesNormalBlendingAndWhite)
{
    _artefact.DrawElementGlowing(0, 200.0f, 300.0f, 1.0f, 255, 2.0f, 0.0f, 0.0f);
    const Rgb lit = At(210, 330);
    EXPECT_GT(lit[0] + lit[1] + lit[2], 3 * 60 + 100);
    EXPECT_EQ(g_renderDevice.CurrentColor(), 0xFFFFFFFFu);
    // Normal blending again: a half-transparent red quad mixes with the background.
    g_renderDevice.EnableTexture(false);
    g_renderDevice.SetColor(Color(255, 0, 0, 128));
    g_renderDevice.DrawRect(600, 300, 10, 10);
    g_renderDevice.ResetColor();
    EXPECT_NEAR(At(605, 305)[0], 157, 3);
}

TEST_F(ArtefactGlTest, PicturesNotUploadedDrawNothing)
{
    // A second piece whose picture never reached the device, and no full
    // picture: neither is drawn as a white square.
    ArtefactElement& bare = _artefact.elements.emplace_back();
    bare.width = bare.height = 68;
    _artefact.DrawElement(1, 400, 70);
    _artefact.DrawElementGlowing(1, 400.0f, 200.0f, 1.0f, 255, 2.0f, 0.0f, 0.0f);
    _artefact.DrawFull(Point(500, 300));
    EXPECT_EQ(At(420, 90), (Rgb{60, 60, 60}));
    EXPECT_EQ(At(420, 220), (Rgb{60, 60, 60}));
    EXPECT_EQ(At(600, 400), (Rgb{60, 60, 60}));
}
